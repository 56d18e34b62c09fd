// Owning wrappers for the Win32 handles the front end creates: a GDI object
// (font) and a window. Non-copyable so that a handle is released exactly once.
#pragma once

#include <windows.h>

#include <utility>

class TGdiObject {
public:
    TGdiObject() = default;
    explicit TGdiObject(HGDIOBJ handle) : handle_(handle) {}
    ~TGdiObject() { Reset(); }
    TGdiObject(const TGdiObject&) = delete;
    TGdiObject& operator=(const TGdiObject&) = delete;
    TGdiObject(TGdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    TGdiObject& operator=(TGdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }

    HGDIOBJ Get() const { return handle_; }
    HFONT Font() const { return static_cast<HFONT>(handle_); }
    void Reset() {
        if (handle_) DeleteObject(handle_);
        handle_ = nullptr;
    }

private:
    HGDIOBJ handle_ = nullptr;
};

class TWindow {
public:
    TWindow() = default;
    explicit TWindow(HWND handle) : handle_(handle) {}
    ~TWindow() { Reset(); }
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;
    TWindow(TWindow&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    TWindow& operator=(TWindow&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }

    HWND Get() const { return handle_; }
    void Reset() {
        if (handle_) DestroyWindow(handle_);
        handle_ = nullptr;
    }

private:
    HWND handle_ = nullptr;
};

// A device context of a window, selected with a font for measuring text.
class TMeasureDc {
public:
    TMeasureDc(HWND window, HFONT font) : window_(window), dc_(GetDC(window)) {
        if (dc_ && font) previous_ = SelectObject(dc_, font);
    }
    ~TMeasureDc() {
        if (!dc_) return;
        if (previous_) SelectObject(dc_, previous_);
        ReleaseDC(window_, dc_);
    }
    TMeasureDc(const TMeasureDc&) = delete;
    TMeasureDc& operator=(const TMeasureDc&) = delete;

    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
    HGDIOBJ previous_ = nullptr;
};

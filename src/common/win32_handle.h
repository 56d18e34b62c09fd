// One owning wrapper for every kind of Win32 handle (Windows builds only).
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

// Holds a handle and gives it back with Release exactly once: non-copyable,
// movable. Null and INVALID_HANDLE_VALUE both mean that nothing is held, as
// the creating functions answer one or the other on failure.
template <typename THandle, auto Release>
class TWin32Handle {
public:
    TWin32Handle() = default;
    explicit TWin32Handle(THandle handle) : handle_(handle) {}
    ~TWin32Handle() { Reset(); }
    TWin32Handle(const TWin32Handle&) = delete;
    TWin32Handle& operator=(const TWin32Handle&) = delete;
    TWin32Handle(TWin32Handle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    TWin32Handle& operator=(TWin32Handle&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }

    THandle Get() const { return handle_; }
    bool IsValid() const { return handle_ != nullptr && handle_ != Invalid(); }
    void Reset() {
        if (IsValid()) Release(handle_);
        handle_ = nullptr;
    }

private:
    static THandle Invalid() { return reinterpret_cast<THandle>(static_cast<std::intptr_t>(-1)); }

    THandle handle_ = nullptr;
};

using TFileHandle = TWin32Handle<HANDLE, CloseHandle>;
using TFindHandle = TWin32Handle<HANDLE, FindClose>;
using TProcessHandle = TFileHandle;  // process and thread handles close the same way
using TWindow = TWin32Handle<HWND, DestroyWindow>;
using TFont = TWin32Handle<HFONT, DeleteObject>;

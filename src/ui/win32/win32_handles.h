// Owning wrappers for the Win32 handles the front end creates: windows and
// fonts through the shared handle template, and a device context for measuring.
#pragma once

#include <windows.h>

#include "common/win32_handle.h"

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

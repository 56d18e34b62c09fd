// A menu item that the program draws itself, in a face that draws its text,
// where the system's menu font lacks a character of it (Japanese on an
// English system); elsewhere the system draws it as any other item.
#pragma once

#include <windows.h>

#include <string>

#include "ui/win32/win32_handles.h"

class TReadableMenuItem {
public:
    // Appends the item (text with "&" before its access key) to the menu,
    // greyed at first.
    void Append(HMENU menu, UINT command, const std::wstring& text);
    // The window's WM_MEASUREITEM, WM_DRAWITEM and WM_MENUCHAR for the item
    // while the program draws it: true when handled, with the result to return.
    bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) const;

private:
    void Draw(const DRAWITEMSTRUCT& item) const;

    HMENU menu_ = nullptr;
    UINT command_ = 0;
    std::wstring text_;
    TFont font_;  // null while the system draws the item
};

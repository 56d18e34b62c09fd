// The application's own window: never seen itself, it carries the program's
// one task-bar entry (application title and icon) and owns the main window,
// so minimising, restoring and closing from the task bar act on the program.
#pragma once

#include <windows.h>

#include <string>

#include "ui/win32/win32_handles.h"

class TApplicationWindow {
public:
    TApplicationWindow(HINSTANCE instance, const std::string& title);
    ~TApplicationWindow();
    TApplicationWindow(const TApplicationWindow&) = delete;
    TApplicationWindow& operator=(const TApplicationWindow&) = delete;

    HWND Handle() const { return window_.Get(); }

    // The main window, shown when the entry is restored; nullptr once it is gone.
    void SetMainWindow(HWND window) { mainWindow_ = window; }
    // Minimised start: the main window appears when the entry is first restored.
    void StartMinimised();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void ActivateMain();

    TWindow window_;
    HWND mainWindow_ = nullptr;
    bool showMainOnRestore_ = false;
};

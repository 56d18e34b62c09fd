// The frame operations on Windows: the boxes as dialogs, MessageBeep, the
// system's message box for errors and the quit message.
#pragma once

#include <windows.h>

#include "ui/box_description.h"
#include "ui/frame.h"

class TWin32Frame : public IFrame {
public:
    // The main window, once it exists; boxes are owned by it while it is visible.
    void SetMainWindow(HWND window) { mainWindow_ = window; }
    // The window of the task-bar entry; it owns the boxes while no main window
    // is on screen, so that no box gets a task-bar entry of its own.
    void SetApplicationWindow(HWND window) { applicationWindow_ = window; }

    std::int32_t AskConfirmation(const std::string& text) override;
    void ShowInformationBox(const std::string& text) override;
    void DefaultBeep() override;
    void ReportError(const Exception& error) override;
    void RequestQuit() override;

private:
    HWND Owner() const;
    std::int32_t ShowBox(TBoxKind kind, const std::string& text);
    bool MainWindowShown() const;

    HWND mainWindow_ = nullptr;
    HWND applicationWindow_ = nullptr;
};

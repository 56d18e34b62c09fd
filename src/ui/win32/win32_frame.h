// The frame operations on Windows: the boxes as dialogs, MessageBeep, the
// system's message box for errors and the quit message.
#pragma once

#include <windows.h>

#include "ui/frame.h"

class TWin32Frame : public IFrame {
public:
    // The main window, once it exists; boxes are owned by it while it is visible.
    void SetMainWindow(HWND window) { mainWindow_ = window; }

    std::int32_t AskConfirmation(const std::string& text) override;
    void ShowInformationBox(const std::string& text) override;
    void DefaultBeep() override;
    void ReportError(const Exception& error) override;
    void RequestQuit() override;

private:
    HWND Owner() const;

    HWND mainWindow_ = nullptr;
};

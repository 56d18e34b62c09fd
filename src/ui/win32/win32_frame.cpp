// The Windows frame: boxes, beep, error box and quitting.
#include "ui/win32/win32_frame.h"

#include "common/app_title.h"
#include "ui/win32/message_form.h"

HWND TWin32Frame::Owner() const {
    if (mainWindow_ && IsWindow(mainWindow_) && IsWindowVisible(mainWindow_)) return mainWindow_;
    return nullptr;
}

std::int32_t TWin32Frame::AskConfirmation(const std::string& text) {
    return ShowMessageForm(Owner(), TBoxKind::Confirmation, "確認", text);
}

void TWin32Frame::ShowInformationBox(const std::string& text) {
    ShowMessageForm(Owner(), TBoxKind::Information, ApplicationTitle(), text);
}

void TWin32Frame::DefaultBeep() { MessageBeep(MB_OK); }

void TWin32Frame::ReportError(const Exception& error) {
    // A drag or a pressed button holding the mouse would keep it from the box.
    if (HWND capture = GetCapture()) SendMessageA(capture, WM_CANCELMODE, 0, 0);
    const HWND owner = Owner();
    // Without a main window on screen, task-modal disables every window of the program.
    const UINT flags = MB_OK | MB_ICONSTOP | (owner ? 0u : static_cast<UINT>(MB_TASKMODAL));
    MessageBoxA(owner, ErrorBoxText(error.Message()).c_str(), ApplicationTitle().c_str(), flags);
}

void TWin32Frame::RequestQuit() { PostQuitMessage(0); }

// The Windows frame: boxes, beep, error box and quitting. The program's texts
// are CP932 and the application title is the system's: each is converted
// from its own code page.
#include "ui/win32/win32_frame.h"

#include <vector>

#include "common/wide_text.h"
#include "ui/win32/message_form.h"

// The answer codes are the box's own: the dialog's result is returned as is.
static_assert(mrOk == IDOK && mrCancel == IDCANCEL && mrYes == IDYES && mrNo == IDNO);

namespace {

// While a box is open every window of the program takes no input, the
// task-bar entry's window included: the box disables only its owner.
class TDisabledWhileBoxOpen {
public:
    TDisabledWhileBoxOpen(HWND window, HWND owner)
        : window_(window && window != owner && IsWindow(window) && IsWindowEnabled(window) ? window : nullptr) {
        if (window_) EnableWindow(window_, FALSE);
    }
    ~TDisabledWhileBoxOpen() {
        if (window_ && IsWindow(window_)) EnableWindow(window_, TRUE);
    }
    TDisabledWhileBoxOpen(const TDisabledWhileBoxOpen&) = delete;
    TDisabledWhileBoxOpen& operator=(const TDisabledWhileBoxOpen&) = delete;

private:
    HWND window_;
};

// Without an owner, the program's own box disables every top-level window of
// the thread while it is open, as MB_TASKMODAL does for the system's box.
class TThreadWindowsDisabled {
public:
    explicit TThreadWindowsDisabled(HWND owner) {
        if (!owner) EnumThreadWindows(GetCurrentThreadId(), &Disable, reinterpret_cast<LPARAM>(&windows_));
    }
    ~TThreadWindowsDisabled() {
        for (HWND window : windows_) {
            if (IsWindow(window)) EnableWindow(window, TRUE);
        }
    }
    TThreadWindowsDisabled(const TThreadWindowsDisabled&) = delete;
    TThreadWindowsDisabled& operator=(const TThreadWindowsDisabled&) = delete;

private:
    static BOOL CALLBACK Disable(HWND window, LPARAM windows) {
        if (IsWindowEnabled(window)) {
            EnableWindow(window, FALSE);
            reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
        }
        return TRUE;
    }
    std::vector<HWND> windows_;
};

// The caption its description gives a box, from its own code page.
std::wstring BoxCaptionText(TBoxKind kind) {
    const TBoxCaption caption = BoxCaption(kind);
    return caption.SystemText ? SystemText(caption.Text) : ProgramText(caption.Text);
}

// The error box is the system's message box, drawn as described: one OK
// button and the stop icon.
constexpr UINT kErrorBoxStyle = MB_OK | MB_ICONSTOP;
static_assert(kErrorBox.Icon == TBoxIcon::Stop && kErrorBox.Buttons.size() == 1 && kErrorBox.Buttons[0].Answer == mrOk);

}  // namespace

bool TWin32Frame::MainWindowShown() const {
    return mainWindow_ && IsWindow(mainWindow_) && IsWindowVisible(mainWindow_);
}

HWND TWin32Frame::Owner() const {
    if (MainWindowShown()) return mainWindow_;
    if (applicationWindow_ && IsWindow(applicationWindow_)) return applicationWindow_;
    return nullptr;
}

std::int32_t TWin32Frame::ShowBox(TBoxKind kind, const std::string& text) {
    const HWND owner = Owner();
    const TDisabledWhileBoxOpen disabled(applicationWindow_, owner);
    return ShowMessageForm(owner, kind, BoxCaptionText(kind), ProgramText(text));
}

std::int32_t TWin32Frame::AskConfirmation(const std::string& text) { return ShowBox(TBoxKind::Confirmation, text); }

void TWin32Frame::ShowInformationBox(const std::string& text) { ShowBox(TBoxKind::Information, text); }

void TWin32Frame::DefaultBeep() { MessageBeep(MB_OK); }

void TWin32Frame::ReportError(const Exception& error) {
    // A drag or a pressed button holding the mouse would keep it from the box.
    if (HWND capture = GetCapture()) SendMessageW(capture, WM_CANCELMODE, 0, 0);
    // Without a main window on screen the box is owned by the task-bar window,
    // or by nothing at all when the error comes before that window is made or
    // after it is gone. An ownerless box disables no window of its own accord;
    // MB_TASKMODAL makes it disable every top-level window of this thread, as
    // an owner would be. With an owner the flag changes nothing.
    const UINT flags = kErrorBoxStyle | (MainWindowShown() ? 0u : static_cast<UINT>(MB_TASKMODAL));
    const HWND owner = Owner();
    const TDisabledWhileBoxOpen disabled(applicationWindow_, owner);
    const std::wstring text = ErrorBoxWideText(error);
    const std::wstring caption = BoxCaptionText(TBoxKind::Error);
    if (MessageFontDraws(text)) {
        MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
        return;
    }
    // The system's box would show empty boxes for the characters its font
    // lacks (Japanese on an English system): the program's own box of the
    // same kind shows the text in a face that draws it.
    const TThreadWindowsDisabled taskModal(owner);
    ShowMessageForm(owner, TBoxKind::Error, caption, text);
}

void TWin32Frame::RequestQuit() { PostQuitMessage(0); }

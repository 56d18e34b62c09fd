// The application window: a zero-size captioned popup in the middle of the
// screen, the owner of the main window and the holder of the task-bar entry.
#include "ui/win32/application_window.h"

#include "common/wide_text.h"
#include "ui/frame.h"
#include "ui/win32/window_class.h"

namespace {

constexpr wchar_t kApplicationClass[] = L"TApplication";

}  // namespace

TApplicationWindow::TApplicationWindow(HINSTANCE instance, const std::string& title) {
    RegisterWindowClass(instance, kApplicationClass, &TApplicationWindow::WindowProc, nullptr);
    // The title comes from the executable's name: the system's code page.
    window_ = TWindow(CreateWindowExW(0, kApplicationClass, SystemText(title).c_str(),
                                      WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                                      GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0,
                                      nullptr, nullptr, instance, nullptr));
    if (!window_.Get()) RaiseWindowNotCreated();
    SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    // The entry is there from the start, before any chooser or box appears.
    ShowWindow(window_.Get(), SW_SHOWNOACTIVATE);
}

TApplicationWindow::~TApplicationWindow() {
    if (window_.Get()) SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, 0);
}

void TApplicationWindow::StartMinimised() {
    showMainOnRestore_ = true;
    ShowWindow(window_.Get(), SW_SHOWMINNOACTIVE);
}

// The entry itself takes no input: activation goes on to the main window, or
// to the box open over it.
void TApplicationWindow::ActivateMain() {
    if (!mainWindow_ || !IsWindowVisible(mainWindow_)) return;
    HWND target = GetLastActivePopup(mainWindow_);
    if (!target || !IsWindowVisible(target) || !IsWindowEnabled(target)) target = mainWindow_;
    SetForegroundWindow(target);
}

LRESULT CALLBACK TApplicationWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TApplicationWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    LRESULT result = 0;
    DispatchEvent([&] { result = self->Handle(message, wParam, lParam); });
    return result;
}

LRESULT TApplicationWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = window_.Get();
    switch (message) {
    case WM_CLOSE:  // Close on the task-bar entry; ignored while a box has it disabled
        if (IsWindowEnabled(window)) RequestQuit();
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_RESTORE) {
            const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
            if (showMainOnRestore_ && mainWindow_) {
                showMainOnRestore_ = false;
                ShowWindow(mainWindow_, SW_SHOWNORMAL);
            }
            ActivateMain();
            return result;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) {
            PostMessageW(window, WM_USER, 0, 0);  // once activation has settled
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_USER: ActivateMain(); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

// Window lookup, control reading and clicking across processes.
#include "e2e/window_driver.h"

#include <gtest/gtest.h>

#include "common/wide_text.h"

namespace e2e {
namespace {

constexpr UINT kSendTimeoutMs = 5000;

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
    auto* request = reinterpret_cast<std::pair<DWORD, std::vector<HWND>*>*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == request->first) request->second->push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

// A control as the failure messages name it: class, id and text.
std::string Describe(HWND window) {
    if (!IsWindow(window)) return "a window that does not exist";
    return "[" + ClassName(window) + " id " + std::to_string(GetDlgCtrlID(window)) + "] \"" + WindowText(window) + "\"";
}

// Waits for the window to be pressable (and to have the keyboard focus when
// asked); records a failure saying what stood in the way when it never is.
bool WaitPressable(HWND window, const char* action, bool needsFocus = false) {
    if (WaitUntil([&] { return IsPressable(window) && (!needsFocus || FocusOf(window) == window); },
                  kPressableTimeoutMs)) {
        return true;
    }
    const std::string why = !IsWindow(window)          ? "it does not exist"
                            : !IsWindowVisible(window) ? "it is not visible"
                            : !IsPressable(window)     ? "it or a window it sits in is disabled"
                                                       : "the keyboard focus is on " + Describe(FocusOf(window));
    ADD_FAILURE() << "a person cannot " << action << " " << Describe(window) << ": " << why;
    return false;
}

}  // namespace

bool IsPressable(HWND window) {
    if (!IsWindow(window) || !IsWindowVisible(window)) return false;
    for (HWND at = window; at; at = GetAncestor(at, GA_PARENT)) {
        if (at == GetDesktopWindow()) break;
        if (!IsWindowEnabled(at)) return false;
    }
    return true;
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

std::vector<HWND> TopLevelWindows(DWORD processId) {
    std::vector<HWND> found;
    std::pair<DWORD, std::vector<HWND>*> request{processId, &found};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&request));
    return found;
}

std::vector<HWND> DescendantWindows(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string ClassName(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

std::wstring WideWindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length)) return {};
    // WM_GETTEXTLENGTH may overstate the length; the copy reports the true one.
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             kSendTimeoutMs, &copied)) {
        return {};
    }
    text.resize(copied < text.size() ? copied : text.size() - 1);
    return text;
}

std::string ProgramBytes(std::wstring_view wide) {
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(932, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return {};
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(932, 0, wide.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

std::string WindowText(HWND window) { return ProgramBytes(WideWindowText(window)); }

bool IsVisibleWindow(HWND window) { return IsWindow(window) && IsWindowVisible(window); }

bool IsRadioButton(HWND window) {
    const LONG type = GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK;
    return ClassName(window) == "Button" && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

bool IsMenuWindow(HWND window) { return ClassName(window) == "#32768"; }

bool IsChecked(HWND button) {
    DWORD_PTR state = 0;
    SendMessageTimeoutA(button, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &state);
    return state == BST_CHECKED;
}

RECT ScreenRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

HWND FindDescendantByText(HWND parent, const std::string& text, const char* className) {
    for (HWND child : DescendantWindows(parent)) {
        if (className && ClassName(child) != className) continue;
        if (WindowText(child) == text) return child;
    }
    return nullptr;
}

HWND FindDescendantById(HWND parent, int id) {
    for (HWND child : DescendantWindows(parent)) {
        if (GetDlgCtrlID(child) == id) return child;
    }
    return nullptr;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(kPollIntervalMs);
    }
}

HWND WaitForTopLevel(DWORD processId, const std::function<bool(HWND)>& match, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : TopLevelWindows(processId)) {
                if (IsVisibleWindow(window) && match(window)) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

bool WaitUntilGone(HWND window, DWORD timeoutMs) {
    return WaitUntil([&] { return !IsVisibleWindow(window); }, timeoutMs);
}

bool PostClick(HWND button) {
    if (!WaitPressable(button, "click")) return false;
    PostMessageA(button, BM_CLICK, 0, 0);
    return true;
}

bool SendClick(HWND button) {
    if (!WaitPressable(button, "click")) return false;
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result) != 0;
}

bool PostClose(HWND window) {
    if (!WaitPressable(window, "close")) return false;
    PostMessageA(window, WM_CLOSE, 0, 0);
    return true;
}

namespace {

// Posts a key's press and release to the window, with or without Alt held.
void PostKeyStroke(HWND window, UINT virtualKey, bool alt) {
    const UINT scanCode = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    // The key data: repeat count 1, the scan code, Alt's context bit, and for
    // the release the previous-state and transition bits.
    const UINT press = 1 | (scanCode << 16) | (alt ? 1u << 29 : 0u);
    PostMessageA(window, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, static_cast<LPARAM>(press));
    PostMessageA(window, alt ? WM_SYSKEYUP : WM_KEYUP, virtualKey, static_cast<LPARAM>(press | (3u << 30)));
}

}  // namespace

bool PostKey(HWND window, UINT virtualKey) {
    if (!WaitPressable(window, "type into", true)) return false;
    PostKeyStroke(window, virtualKey, false);
    return true;
}

HWND OpenSystemMenu(HWND window) {
    if (!WaitPressable(window, "open the system menu of")) return nullptr;
    // A box that just closed hands the focus back a moment later, as a person sees.
    HWND focus = nullptr;
    const auto focused = [&] {
        focus = FocusOf(window);
        return focus && (focus == window || IsChild(window, focus));
    };
    if (!WaitUntil(focused, 2000)) {
        ADD_FAILURE() << "a person cannot press Alt+Space in " << Describe(window) << ": it has no keyboard focus";
        return nullptr;
    }
    // The key goes where the focus is; a control hands Alt+Space to its window.
    PostKeyStroke(focus, VK_SPACE, true);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const HWND menu = WaitForTopLevel(processId, IsMenuWindow, 3000);
    if (!menu) ADD_FAILURE() << "Alt+Space opened no menu in " << Describe(window);
    return menu;
}

// The open menu takes the thread's keys, whichever of its windows they are sent to.
void PostMenuKey(HWND window, UINT virtualKey) { PostKeyStroke(window, virtualKey, false); }

bool PostSystemMenuKey(HWND window, UINT virtualKey) {
    if (!OpenSystemMenu(window)) return false;
    PostMenuKey(window, virtualKey);
    return true;
}

bool PostMouseClick(HWND window, POINT point) {
    if (!WaitPressable(window, "click into")) return false;
    const LPARAM at = MAKELPARAM(point.x, point.y);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(window, WM_LBUTTONUP, 0, at);
    return true;
}

std::string DescribeWindows(DWORD processId) {
    std::string out;
    for (HWND window : TopLevelWindows(processId)) {
        if (!IsVisibleWindow(window)) continue;
        out += "  window [" + ClassName(window) + "] \"" + WindowText(window) + "\"\n";
        for (HWND child : DescendantWindows(window)) {
            out += std::string("    ") + (IsWindowVisible(child) ? "" : "(hidden) ") + Describe(child) +
                   (IsRadioButton(child) && IsChecked(child) ? " checked" : "") + "\n";
        }
    }
    return out.empty() ? "  (no visible window)\n" : out;
}

}  // namespace e2e

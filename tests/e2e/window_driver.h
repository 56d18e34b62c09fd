// Finds, reads and clicks the windows of another process through standard
// Win32 messages, waiting with timeouts so that a stuck program fails a test
// instead of hanging the run.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

constexpr DWORD kWaitTimeoutMs = 15000;
constexpr DWORD kPollIntervalMs = 50;

// Every top-level window of the process, visible or not.
std::vector<HWND> TopLevelWindows(DWORD processId);
// Every child window below parent, at any depth.
std::vector<HWND> DescendantWindows(HWND parent);

std::string ClassName(HWND window);
// The window's text as the window itself reports it (WM_GETTEXT in its wide
// form), whatever the system's code page.
std::wstring WideWindowText(HWND window);
// UTF-16 to CP932, as the program's own texts are held; "?" for what CP932 lacks.
std::string ProgramBytes(std::wstring_view wide);
// The same as CP932 bytes, to compare with the program's Japanese texts.
std::string WindowText(HWND window);
bool IsVisibleWindow(HWND window);
bool IsRadioButton(HWND window);
// A menu's own window (an open popup menu, the system menu among them).
bool IsMenuWindow(HWND window);
bool IsChecked(HWND button);
RECT ScreenRect(HWND window);

// The first descendant with exactly this text (and this class, when given).
HWND FindDescendantByText(HWND parent, const std::string& text, const char* className = nullptr);
HWND FindDescendantById(HWND parent, int id);

// Polls the condition until it holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kWaitTimeoutMs);
// A visible top-level window of the process that matches; nullptr when none showed in time.
HWND WaitForTopLevel(DWORD processId, const std::function<bool(HWND)>& match, DWORD timeoutMs = kWaitTimeoutMs);
// True once the window is destroyed or hidden.
bool WaitUntilGone(HWND window, DWORD timeoutMs = kWaitTimeoutMs);

// The driver presses only what a person could: every press below first waits
// a short moment for its target to be pressable, and when it is not, records
// a test failure naming it and presses nothing (Wine would act on a message
// to a greyed button, where a person's click does nothing).
constexpr DWORD kPressableTimeoutMs = 3000;

// A person can reach the window now: it exists, is shown, and neither it nor
// any window it sits in is disabled.
bool IsPressable(HWND window);
// The window that has the keyboard focus in the thread that owns window.
HWND FocusOf(HWND window);

// Clicks a button without waiting for its handler: for clicks that open a
// modal window, which would block a sent message until it closes.
bool PostClick(HWND button);
// Clicks a button and returns once its handler has run; for clicks that open
// nothing modal. False when it was not pressable or the program did not answer in time.
bool SendClick(HWND button);
// Closes a top-level window as its close box does.
bool PostClose(HWND window);
// Presses and releases a key in the window, which must have the keyboard focus.
bool PostKey(HWND window, UINT virtualKey);
// Opens the system menu of the window that holds the keyboard focus in
// top-level window, as Alt+Space does, and presses an item's access key in
// it; false when the window had no focus or the menu did not open in time.
bool PostSystemMenuKey(HWND window, UINT virtualKey);
// The same in two steps: opens the system menu and gives its window (nullptr
// and a failure when it did not open), then presses a key in the open menu.
HWND OpenSystemMenu(HWND window);
void PostMenuKey(HWND window, UINT virtualKey);
// Clicks with the left mouse button at a point of the window's client area.
bool PostMouseClick(HWND window, POINT point);

// Every visible top-level window of the process with its controls, for failure messages.
std::string DescribeWindows(DWORD processId);

}  // namespace e2e

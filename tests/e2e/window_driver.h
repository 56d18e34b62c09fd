// Finds, reads and clicks the windows of another process through standard
// Win32 messages, waiting with timeouts so that a stuck program fails a test
// instead of hanging the run.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
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
// The same as CP932 bytes, to compare with the program's Japanese texts.
std::string WindowText(HWND window);
bool IsVisibleWindow(HWND window);
bool IsRadioButton(HWND window);
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

// Clicks a button without waiting for its handler: for clicks that open a
// modal window, which would block a sent message until it closes.
void PostClick(HWND button);
// Clicks a button and returns once its handler has run; for clicks that open
// nothing modal. False when the program did not answer in time.
bool SendClick(HWND button);
void PostClose(HWND window);
// Presses and releases a key as if typed while the window has the focus.
void PostKey(HWND window, UINT virtualKey);

// Every visible top-level window of the process with its controls, for failure messages.
std::string DescribeWindows(DWORD processId);

}  // namespace e2e

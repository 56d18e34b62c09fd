// Times the start of a window program against a baseline under Wine or
// Windows: from CreateProcess to its main window shown with nothing left to
// paint in it or its children, then closes it with WM_CLOSE. The two
// programs start alternately, pair after pair; the medians and their ratio
// close the report.
//   start-bench PAIRS PROGRAM BASELINE        e.g. start-bench 20 C:\k\Kasumiro.exe C:\b\bare-window.exe
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "common/win32_handle.h"

namespace {

constexpr DWORD kStartTimeoutMs = 20000;
constexpr DWORD kCloseTimeoutMs = 10000;

double NowMs() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The process's main window: shown, with a title bar and a client area (an
// application's zero-sized task-bar window has none).
struct TWindowSearch {
    DWORD Process;
    HWND Found;
};

BOOL CALLBACK MatchMainWindow(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<TWindowSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search.Process || !IsWindowVisible(window) || IsIconic(window)) return TRUE;
    if ((GetWindowLongW(window, GWL_STYLE) & WS_CAPTION) != WS_CAPTION) return TRUE;
    RECT client{};
    if (!GetClientRect(window, &client) || client.right <= 0 || client.bottom <= 0) return TRUE;
    search.Found = window;
    return FALSE;
}

HWND MainWindowOf(DWORD process) {
    TWindowSearch search{process, nullptr};
    EnumWindows(&MatchMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

BOOL CALLBACK MarkPending(HWND child, LPARAM pending) {
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) *reinterpret_cast<bool*>(pending) = true;
    return TRUE;
}

// Nothing is waiting to be painted in the window or any of its children.
bool FullyPainted(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) return false;
    bool pending = false;
    EnumChildWindows(window, &MarkPending, reinterpret_cast<LPARAM>(&pending));
    return !pending;
}

std::wstring FileName(const std::wstring& path) { return path.substr(path.find_last_of(L"\\/") + 1); }

// The window's title and class, so that the report shows which window was timed.
void Describe(const std::wstring& program, HWND window) {
    wchar_t title[256] = {}, windowClass[256] = {};
    GetWindowTextW(window, title, 256);
    GetClassNameW(window, windowClass, 256);
    std::wprintf(L"%ls: timed to the window \"%ls\" (class %ls)\n", FileName(program).c_str(), title, windowClass);
}

// One start in the program's own folder; the milliseconds until it was
// shown and painted, or nothing (said why) when it was not.
std::optional<double> TimeStart(const std::wstring& program, bool describe = false) {
    const std::wstring folder = program.substr(0, program.find_last_of(L"\\/") + 1);
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION created{};
    const double start = NowMs();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &created)) {
        std::fwprintf(stderr, L"%ls: cannot start it (error %lu)\n", program.c_str(), GetLastError());
        return std::nullopt;
    }
    const TProcessHandle process(created.hProcess);
    const TProcessHandle thread(created.hThread);
    HWND window = nullptr;
    std::optional<double> elapsed;
    while (!elapsed && NowMs() - start < kStartTimeoutMs) {
        window = MainWindowOf(created.dwProcessId);
        if (window && FullyPainted(window))
            elapsed = NowMs() - start;
        else if (WaitForSingleObject(process.Get(), 1) == WAIT_OBJECT_0)
            break;
    }
    if (!elapsed) std::fwprintf(stderr, L"%ls: no main window painted\n", program.c_str());
    if (elapsed && describe) Describe(program, window);
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.Get(), kCloseTimeoutMs) != WAIT_OBJECT_0) {
        std::fwprintf(stderr, L"%ls: still running after WM_CLOSE, ended\n", program.c_str());
        TerminateProcess(process.Get(), 1);
        WaitForSingleObject(process.Get(), kCloseTimeoutMs);
        return std::nullopt;
    }
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Each pair starts the two in turn, the first of them alternating from pair
// to pair; one unmeasured start of each comes first (the system's caches).
int Compare(int pairs, const std::wstring& program, const std::wstring& baseline) {
    if (!TimeStart(program, true) || !TimeStart(baseline, true)) return 1;
    std::vector<double> times[2];
    std::wprintf(L"pair  %ls ms  %ls ms\n", FileName(program).c_str(), FileName(baseline).c_str());
    for (int pair = 0; pair < pairs; ++pair) {
        std::optional<double> pairTimes[2];
        for (int turn = 0; turn < 2; ++turn) {
            const int which = (pair + turn) % 2;
            pairTimes[which] = TimeStart(which == 0 ? program : baseline);
            if (!pairTimes[which]) return 1;
            times[which].push_back(*pairTimes[which]);
        }
        std::wprintf(L"%4d  %8.1f  %8.1f\n", pair + 1, *pairTimes[0], *pairTimes[1]);
    }
    const double medians[2] = {Median(times[0]), Median(times[1])};
    std::wprintf(L"median  %ls %.1f ms  %ls %.1f ms  ratio %.2f\n", FileName(program).c_str(), medians[0],
                 FileName(baseline).c_str(), medians[1], medians[0] / medians[1]);
    return 0;
}

}  // namespace

int main() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const int pairs = arguments && count == 4 ? std::wcstol(arguments[1], nullptr, 10) : 0;
    if (pairs <= 0) {
        std::fwprintf(stderr, L"usage: start-bench PAIRS PROGRAM BASELINE\n");
        return 2;
    }
    const int status = Compare(pairs, arguments[2], arguments[3]);
    LocalFree(arguments);
    return status;
}

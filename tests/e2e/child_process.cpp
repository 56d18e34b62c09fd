// Launching, waiting for and ending the program under test.
#include "e2e/child_process.h"

#include <stdexcept>

#include "common/game_paths.h"

namespace e2e {

TChildProcess::TChildProcess(const std::string& exePath, WORD showState) {
    const std::string folder = FolderOfPath(exePath);
    std::string commandLine = "\"" + exePath + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = showState;
    if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &info_)) {
        throw std::runtime_error("cannot start " + exePath + " (error " + std::to_string(GetLastError()) + ")");
    }
}

// A process a failed test left running is ended, so that it does not hold the next test.
TChildProcess::~TChildProcess() {
    if (IsRunning()) {
        TerminateProcess(info_.hProcess, 255);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool TChildProcess::IsRunning() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

bool TChildProcess::WaitForExit(DWORD timeoutMs, DWORD& exitCode) {
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    return GetExitCodeProcess(info_.hProcess, &exitCode) != 0;
}

}  // namespace e2e

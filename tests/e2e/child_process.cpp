// Launching, waiting for and ending the program under test.
#include "e2e/child_process.h"

#include <stdexcept>

#include "common/paths.h"

namespace e2e {

TChildProcess::TChildProcess(const std::string& exePath, WORD showState, const std::string& arguments) {
    const std::string folder = FolderOfPath(exePath);
    std::string commandLine = "\"" + exePath + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = showState;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &info)) {
        throw std::runtime_error("cannot start " + exePath + " (error " + std::to_string(GetLastError()) + ")");
    }
    id_ = info.dwProcessId;
    process_ = TProcessHandle(info.hProcess);
    thread_ = TProcessHandle(info.hThread);
}

// A process a failed test left running is ended, so that it does not hold the next test.
TChildProcess::~TChildProcess() {
    if (IsRunning()) {
        TerminateProcess(process_.Get(), 255);
        WaitForSingleObject(process_.Get(), 5000);
    }
}

bool TChildProcess::IsRunning() const { return WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT; }

bool TChildProcess::WaitForExit(DWORD timeoutMs, DWORD& exitCode) {
    if (WaitForSingleObject(process_.Get(), timeoutMs) != WAIT_OBJECT_0) return false;
    return GetExitCodeProcess(process_.Get(), &exitCode) != 0;
}

}  // namespace e2e

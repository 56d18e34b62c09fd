// One launched copy of the program under test: started with CreateProcessA,
// waited for with a timeout, and terminated if a test leaves it running.
#pragma once

#include <windows.h>

#include <string>

#include "common/win32_handle.h"

namespace e2e {

class TChildProcess {
public:
    // Starts the executable with its own folder as the working folder, and
    // with the show state a shortcut would give it; arguments follow the
    // program's quoted path on the command line.
    explicit TChildProcess(const std::string& exePath, WORD showState = SW_SHOWNORMAL,
                           const std::string& arguments = "");
    ~TChildProcess();
    TChildProcess(const TChildProcess&) = delete;
    TChildProcess& operator=(const TChildProcess&) = delete;

    DWORD Id() const { return id_; }
    bool IsRunning() const;
    // True when the process ended within the time; its exit code goes to exitCode.
    bool WaitForExit(DWORD timeoutMs, DWORD& exitCode);

private:
    DWORD id_ = 0;
    TProcessHandle process_;
    TProcessHandle thread_;
};

}  // namespace e2e

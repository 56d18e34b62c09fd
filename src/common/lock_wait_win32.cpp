// The lock's wait on Windows: the tick count for the deadline, Sleep between
// tries (<chrono> holds characters the CP932 build cannot take).
#include <windows.h>

#include "common/lock_wait.h"

namespace {

constexpr DWORD kLockWait = 5000;  // ms
constexpr DWORD kLockRetry = 50;

}  // namespace

bool WaitForLock(const std::function<bool()>& take) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (take()) return true;
        if (GetTickCount() - start >= kLockWait) return false;
        Sleep(kLockRetry);
    }
}

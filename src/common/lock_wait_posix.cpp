// The lock's wait on Linux: a deadline on the steady clock, a short sleep between tries.
#include "common/lock_wait.h"

#include <chrono>
#include <thread>

namespace {

constexpr std::chrono::seconds kLockWait{5};
constexpr std::chrono::milliseconds kLockRetry{50};

}  // namespace

bool WaitForLock(const std::function<bool()>& take) {
    const auto deadline = std::chrono::steady_clock::now() + kLockWait;
    for (;;) {
        if (take()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(kLockRetry);
    }
}

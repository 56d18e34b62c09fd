// GoogleTest's notification for the Windows build: the win32 thread model of
// mingw-w64 has no std::mutex, which GoogleTest's own one needs; this one
// waits on an atomic flag instead. Found before GoogleTest's empty default.
#pragma once

#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

extern "C" __declspec(dllimport) void __stdcall Sleep(unsigned long milliseconds);

namespace testing::internal {

// Lets a controller thread hold newly created threads until it notifies them.
class Notification {
public:
    Notification() = default;
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { notified_.store(true); }
    void WaitForNotification() {
        while (!notified_.load()) Sleep(1);
    }

private:
    std::atomic<bool> notified_{false};
};

}  // namespace testing::internal

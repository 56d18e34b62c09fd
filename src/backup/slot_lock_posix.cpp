// The slot lock on Linux: flock on the folder's lock file, retried until 5 s.
#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "backup/slot_lock.h"
#include "common/descriptor_posix.h"
#include "common/error_code_posix.h"
#include "common/errors.h"

namespace {

// How long a run waits for another one's lock, and how often it asks.
constexpr std::chrono::seconds kLockWait{5};
constexpr std::chrono::milliseconds kLockRetry{50};

}  // namespace

TSlotLock::TSlotLock(const std::string& folder) {
    const std::string path = folder + "LOCK";
    TDescriptor fd(RetryOnInterrupt(
        [&] { return ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600); }));
    if (!fd.IsOpen()) throw EInOutError(OpenErrorCode(errno, path), path);
    const auto deadline = std::chrono::steady_clock::now() + kLockWait;
    while (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) throw EInOutError(WindowsErrorCode(errno), path);
        if (std::chrono::steady_clock::now() >= deadline) {
            const std::string prefix = kSlotBusyText;
            throw Exception(prefix + folder, TTextSpan{prefix.size(), folder.size()});
        }
        std::this_thread::sleep_for(kLockRetry);
    }
    handle_ = fd.Release();
}

TSlotLock::~TSlotLock() { CloseDescriptor(static_cast<int>(handle_)); }

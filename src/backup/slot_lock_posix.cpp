// The slot lock on Linux: flock on the folder's lock file, waited for as every lock is.
#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>

#include "backup/slot_lock.h"
#include "common/descriptor_posix.h"
#include "common/error_code_posix.h"
#include "common/errors.h"
#include "common/lock_wait.h"

TSlotLock::TSlotLock(const std::string& folder) {
    const std::string path = folder + "LOCK";
    TDescriptor fd(RetryOnInterrupt(
        [&] { return ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600); }));
    if (!fd.IsOpen()) throw EInOutError(OpenErrorCode(errno, path), path);
    const bool taken = WaitForLock([&] {
        if (::flock(fd.Get(), LOCK_EX | LOCK_NB) == 0) return true;
        if (errno != EWOULDBLOCK && errno != EINTR) throw EInOutError(WindowsErrorCode(errno), path);
        return false;
    });
    if (!taken) RaiseSlotBusy(folder);
    handle_ = fd.Release();
}

TSlotLock::~TSlotLock() { CloseDescriptor(static_cast<int>(handle_)); }

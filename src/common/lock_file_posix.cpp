// The lock file on Linux: open without following a link or blocking, then flock.
#include "common/lock_file_posix.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>

#include "common/error_code_posix.h"
#include "common/errors.h"
#include "common/lock_wait.h"

TDescriptor TakeLockFile(const std::string& path, mode_t mode) {
    TDescriptor fd(RetryOnInterrupt(
        [&] { return ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, mode); }));
    if (!fd.IsOpen()) throw EInOutError(OpenErrorCode(errno, path), path);
    const bool taken = WaitForLock([&] {
        if (::flock(fd.Get(), LOCK_EX | LOCK_NB) == 0) return true;
        if (errno != EWOULDBLOCK && errno != EINTR) throw EInOutError(WindowsErrorCode(errno), path);
        return false;
    });
    if (!taken) fd.Close();
    return fd;
}

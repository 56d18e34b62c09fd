// Reading, locking and replacing the settings file on Linux.
#include "settings/ini_file_io_posix.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "common/durable_file.h"
#include "common/errors.h"
#include "common/lock_wait.h"
#include "common/paths.h"

namespace {

constexpr std::size_t kMaxFileNameLength = NAME_MAX;
constexpr int kMaxLinkHops = 40;  // as the kernel allows before ELOOP

// Reads to the end, or fails once more than kMaxSettingsFileSize bytes came
// (a file that grew meanwhile).
bool ReadAll(int fd, std::string& bytes) {
    char buffer[4096];
    while (bytes.size() <= kMaxSettingsFileSize) {
        const ssize_t got =
            RetryOnInterrupt([&] { return ::pread(fd, buffer, sizeof buffer, static_cast<off_t>(bytes.size())); });
        if (got < 0) return false;
        if (got == 0) return true;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return false;
}

}  // namespace

TFileRead ReadRegularFile(const std::string& path) {
    TFileRead read;
    // O_NONBLOCK: opening a FIFO without a writer would wait forever.
    const TDescriptor fd(RetryOnInterrupt([&] { return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC); }));
    if (!fd.IsOpen()) {
        read.Status = errno == ENOENT ? TReadStatus::Missing : TReadStatus::Refused;
        return read;
    }
    // Ours is under 1 KiB: a huge (or sparse) file is not read into memory,
    // nor written back dense.
    const bool regular = ::fstat(fd.Get(), &read.Info) == 0 && S_ISREG(read.Info.st_mode) &&
                         read.Info.st_size <= static_cast<off_t>(kMaxSettingsFileSize);
    // An end found before the file's size is a read that failed: writing back
    // what came would drop the keys that did not.
    const bool whole = regular && ReadAll(fd.Get(), read.Bytes) &&
                       read.Bytes.size() >= static_cast<std::size_t>(read.Info.st_size);
    read.Status = whole ? TReadStatus::Read : TReadStatus::Refused;
    return read;
}

std::string FollowLinks(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
        char target[PATH_MAX];
        const ssize_t length = ::readlink(current.c_str(), target, sizeof target);
        if (length < 0 || static_cast<std::size_t>(length) >= sizeof target) return current;
        const std::string link(target, static_cast<std::size_t>(length));
        current = link.front() == '/' ? link : FolderOfPath(current) + link;
    }
    return current;  // a loop: what follows fails on it and refuses the write
}

std::string SideFileName(const std::string& path, const std::string& suffix) {
    std::string name = FileNameOfPath(path);
    // Two long names cut to the same side name share its lock and temporary
    // file, which stays safe: the lock orders their writes.
    if (name.size() + suffix.size() > kMaxFileNameLength) name.resize(kMaxFileNameLength - suffix.size());
    return FolderOfPath(path) + name + suffix;
}

bool TSettingsLock::Take(const std::string& settingsPath) {
    const std::string lockPath = SideFileName(settingsPath, ".lock");
    const int fd = RetryOnInterrupt(
        [&] { return ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666); });
    if (fd < 0) return false;
    fd_.Reset(fd);
    // Never waits for good: a process that keeps the lock (stopped, say) must
    // not keep this one from quitting. The write is refused after the wait.
    bool failed = false;
    const bool taken = WaitForLock([&] {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
        failed = errno != EWOULDBLOCK && errno != EINTR;
        return failed;
    });
    return taken && !failed;
}

bool ReplaceFile(const std::string& path, const std::string& bytes) {
    // The one temporary name, taken under the lock: a leftover of a write that
    // was killed is removed first, so leftovers never pile up. The file keeps
    // the mode and owner of the one it replaces.
    try {
        ReplaceFileDurably(path, SideFileName(path, ".tmp"), bytes, TNewFileOwner::AsReplacedFile);
        return true;
    } catch (const Exception&) {
        return false;
    }
}

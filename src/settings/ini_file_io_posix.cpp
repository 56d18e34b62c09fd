// Reading, locking and replacing the settings file on Linux.
#include "settings/ini_file_io_posix.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>

#include "common/durable_file.h"
#include "common/error_codes.h"
#include "common/errors.h"
#include "common/lock_file_posix.h"
#include "common/paths.h"

namespace {

constexpr std::size_t kMaxFileNameLength = NAME_MAX;
constexpr int kMaxLinkHops = 40;  // as the kernel allows before ELOOP

}  // namespace

TFileRead ReadRegularFile(const std::string& path) {
    TFileRead read;
    // Ours is under 1 KiB: a huge (or sparse) file is not read into memory,
    // nor written back dense. A read cut short is refused: writing back what
    // came would drop the keys that did not.
    try {
        read.Bytes = ReadWholeFile(FollowLinks(path), kMaxSettingsFileSize);
        read.Status = TReadStatus::Read;
    } catch (const EInOutError& error) {
        const bool missing = error.ErrorCode() == kErrorFileNotFound || error.ErrorCode() == kErrorPathNotFound;
        read.Status = missing ? TReadStatus::Missing : TReadStatus::Refused;
    }
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
    // Never waits for good: a process that keeps the lock (stopped, say) must
    // not keep this one from quitting. The write is refused after the wait.
    try {
        fd_ = TakeLockFile(SideFileName(settingsPath, ".lock"), 0666);
    } catch (const EInOutError&) {
        return false;
    }
    return fd_.IsOpen();
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

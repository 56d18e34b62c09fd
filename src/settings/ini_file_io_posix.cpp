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
#include "settings/ini_text.h"

namespace {

constexpr std::size_t kMaxFileNameLength = NAME_MAX;
constexpr int kMaxLinkHops = 40;  // as the kernel allows before ELOOP
constexpr char kSettingsBusyText[] = "ほかの実行が設定ファイルを使っています";

// A file without write permission is read-only, even for the superuser.
void RequireWritable(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || (info.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0)
        throw EInOutError(kErrorAccessDenied, path);
}

}  // namespace

std::optional<std::string> ReadSettingsFile(const std::string& path) {
    // Ours is under 1 KiB: a huge (or sparse) file is not read into memory,
    // nor written back dense. A read cut short is refused: writing back what
    // came would drop the keys that did not.
    try {
        return ReadWholeFile(FollowLinks(path), kMaxSettingsFileSize);
    } catch (const EInOutError& error) {
        if (error.ErrorCode() == kErrorFileNotFound || error.ErrorCode() == kErrorPathNotFound) return std::nullopt;
        throw;
    }
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
        current = link.front() == '/' ? link : FolderOfPath(current).append(link);
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

void AssignSettingsKey(const std::string& path, const std::string& section, const std::string& key,
                       const std::string& value) {
    const std::string target = FollowLinks(path);
    // Something other than a regular file at the path is refused before a
    // lock file is made beside it (a link to a device must not make one there).
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) throw EInOutError(kErrorAccessDenied, target);

    // Never waits for good: a process that keeps the lock (stopped, say) must
    // not keep this one from quitting. The write is refused after the wait.
    const std::string lockPath = SideFileName(target, ".lock");
    const TDescriptor lock = TakeLockFile(lockPath, 0666);
    if (!lock.IsOpen()) throw EInOutError(kErrorSharingViolation, lockPath, kSettingsBusyText);
    const std::optional<std::string> old = ReadSettingsFile(target);
    if (old) RequireWritable(target);

    // The one temporary name, taken under the lock: a leftover of a write that
    // was killed is removed first, so leftovers never pile up. The file keeps
    // the mode and owner of the one it replaces.
    ReplaceFileDurably(target, SideFileName(target, ".tmp"), IniTextAssign(old.value_or(""), section, key, value),
                       TNewFileOwner::AsReplacedFile);
}

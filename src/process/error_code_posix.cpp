// Maps errno onto Windows error codes by meaning.
#include "process/error_code_posix.h"

#include <cerrno>
#include <sys/stat.h>

std::int32_t WindowsErrorCode(int error) {
    switch (error) {
    case ENOENT: return 2;                  // ERROR_FILE_NOT_FOUND
    case ENOTDIR: return 3;                 // ERROR_PATH_NOT_FOUND
    case EMFILE:
    case ENFILE: return 4;                  // ERROR_TOO_MANY_OPEN_FILES
    // NOLINTNEXTLINE(bugprone-branch-clone): grouped by meaning, each group with its reason
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return 5;                  // ERROR_ACCESS_DENIED (Windows says so for a folder too)
    case EBADF: return 5;                   // ERROR_ACCESS_DENIED: only a write through a read-only descriptor gets here
    case ENOMEM: return 8;                  // ERROR_NOT_ENOUGH_MEMORY
    case EBUSY:
    case ETXTBSY: return 32;                // ERROR_SHARING_VIOLATION
    case EAGAIN: return 33;                 // ERROR_LOCK_VIOLATION (a mandatory lock)
    case EINVAL: return 87;                 // ERROR_INVALID_PARAMETER
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return 112;                 // ERROR_DISK_FULL
    case ENAMETOOLONG: return 206;          // ERROR_FILENAME_EXCED_RANGE
    case EIO: return 1117;                  // ERROR_IO_DEVICE
    case ELOOP: return 1921;                // ERROR_CANT_RESOLVE_FILENAME
    default: return 31;                     // ERROR_GEN_FAILURE: no closer meaning
    }
}

namespace {

bool FolderExists(const std::string& folder) {
    struct stat info {};
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::int32_t OpenErrorCode(int error, const std::string& path) {
    if (error != ENOENT) return WindowsErrorCode(error);
    // open() says ENOENT both for a missing file and for a missing folder on the way.
    if (path.empty()) return 3;
    const std::string::size_type slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    return FolderExists(folder) ? 2 : 3;
}

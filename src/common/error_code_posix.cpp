// Maps errno onto Windows error codes by meaning.
#include "common/error_code_posix.h"

#include <cerrno>
#include <sys/stat.h>

#include "common/error_codes.h"
#include "common/paths.h"

std::int32_t WindowsErrorCode(int error) {
    switch (error) {
    case ENOENT: return kErrorFileNotFound;
    case ENOTDIR: return kErrorPathNotFound;
    case EMFILE:
    case ENFILE: return kErrorTooManyOpenFiles;
    // NOLINTNEXTLINE(bugprone-branch-clone): grouped by meaning, each group with its reason
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return kErrorAccessDenied;  // Windows says so for a folder too
    case EBADF: return kErrorAccessDenied;   // only a write through a read-only descriptor gets here
    case ENOMEM: return kErrorNotEnoughMemory;
    case EBUSY:
    case ETXTBSY: return kErrorSharingViolation;
    case EAGAIN: return kErrorLockViolation;  // a mandatory lock
    case EEXIST: return kErrorFileExists;
    case EINVAL: return kErrorInvalidParameter;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return kErrorDiskFull;
    case ENAMETOOLONG: return kErrorFilenameTooLong;
    case EIO: return kErrorIoDevice;
    case ELOOP: return kErrorCantResolveFilename;
    default: return kErrorGenFailure;  // no closer meaning
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
    if (path.empty()) return kErrorPathNotFound;
    const std::string folder = FolderOfPath(path);
    return FolderExists(folder.empty() ? "." : folder) ? kErrorFileNotFound : kErrorPathNotFound;
}

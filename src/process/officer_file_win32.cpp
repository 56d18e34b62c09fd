// The officer file on Windows: CreateFileA, SetFilePointer, one ReadFile or
// WriteFile per record and CloseHandle, each failure raised with its code.
#include "process/officer_file.h"

#include <windows.h>

#include "common/error_codes.h"
#include "common/errors.h"

namespace {

// The shared code set copies these numbers from the Windows headers.
static_assert(kErrorFileNotFound == ERROR_FILE_NOT_FOUND && kErrorPathNotFound == ERROR_PATH_NOT_FOUND);
static_assert(kErrorTooManyOpenFiles == ERROR_TOO_MANY_OPEN_FILES && kErrorAccessDenied == ERROR_ACCESS_DENIED);
static_assert(kErrorInvalidHandle == ERROR_INVALID_HANDLE && kErrorNotEnoughMemory == ERROR_NOT_ENOUGH_MEMORY);
static_assert(kErrorGenFailure == ERROR_GEN_FAILURE && kErrorSharingViolation == ERROR_SHARING_VIOLATION);
static_assert(kErrorLockViolation == ERROR_LOCK_VIOLATION && kErrorInvalidParameter == ERROR_INVALID_PARAMETER);
static_assert(kErrorDiskFull == ERROR_DISK_FULL && kErrorNegativeSeek == ERROR_NEGATIVE_SEEK);
static_assert(kErrorFilenameTooLong == ERROR_FILENAME_EXCED_RANGE && kErrorIoDevice == ERROR_IO_DEVICE);
static_assert(kErrorCantResolveFilename == ERROR_CANT_RESOLVE_FILENAME);

HANDLE AsHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

[[noreturn]] void RaiseLastError() { throw EInOutError(static_cast<std::int32_t>(GetLastError())); }

}  // namespace

void TOfficerFile::Open(const std::string& path, std::int32_t recordSize, TAccess access) {
    CloseQuietly();  // a file still open is released; the new one is what was asked for
    if (path.size() > kMaxOfficerPathLength) throw EInOutError(kErrorFilenameTooLong);
    // Other programs (the game) may keep reading and writing the file meanwhile.
    const DWORD desired = access == TAccess::ReadOnly ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    const HANDLE handle = CreateFileA(path.c_str(), desired, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) RaiseLastError();
    handle_ = reinterpret_cast<std::intptr_t>(handle);
    recordSize_ = recordSize;
    position_ = 0;
}

void TOfficerFile::Seek(std::int32_t recordIndex) {
    RequireOpen();
    const LONG offset = RecordOffset(recordIndex);
    SetLastError(NO_ERROR);
    if (SetFilePointer(AsHandle(handle_), offset, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) {
        // The value is also a valid low part of a large position: only a set error code means failure.
        const DWORD error = GetLastError();
        if (error != NO_ERROR) throw EInOutError(static_cast<std::int32_t>(error));
    }
    position_ = offset;
}

void TOfficerFile::Read(TOfficerRecord& record) {
    RequireOpen();
    DWORD done = 0;
    if (!ReadFile(AsHandle(handle_), &record, sizeof record, &done, nullptr)) RaiseLastError();
    position_ += done;
    if (done < sizeof record) throw EInOutError(kErrorShortRead);
}

std::int32_t TOfficerFile::WriteAt(std::int64_t offset, const void* bytes, std::size_t count,
                                   std::size_t& done) noexcept {
    done = 0;
    if (offset != position_) {  // only a put-back moves: a record's write follows its Seek
        if (offset > MAXLONG) return kErrorInvalidParameter;
        SetLastError(NO_ERROR);
        if (SetFilePointer(AsHandle(handle_), static_cast<LONG>(offset), nullptr, FILE_BEGIN) ==
                INVALID_SET_FILE_POINTER &&
            GetLastError() != NO_ERROR) {
            return static_cast<std::int32_t>(GetLastError());
        }
        position_ = offset;
    }
    // One WriteFile: fewer bytes than asked without an error is a short write
    // (101); the caller puts back a name it left torn either way.
    DWORD written = 0;
    const BOOL ok = WriteFile(AsHandle(handle_), bytes, static_cast<DWORD>(count), &written, nullptr);
    const DWORD error = ok ? NO_ERROR : GetLastError();
    done = written;
    position_ += written;
    if (!ok) return static_cast<std::int32_t>(error);
    return written < count ? kErrorShortWrite : 0;
}

void TOfficerFile::Close() {
    if (!IsOpen()) return;
    const HANDLE handle = AsHandle(handle_);
    handle_ = kClosed;  // closed from here on, whatever the system answers
    if (!CloseHandle(handle)) throw EInOutError(kErrorCloseFailed);
}

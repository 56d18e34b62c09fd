// The officer file on Windows: CreateFileA, SetFilePointer, one ReadFile or
// WriteFile per record and CloseHandle, each failure raised with its code.
#include "process/officer_file.h"

#include <windows.h>

#include "common/errors.h"

namespace {

constexpr std::int32_t kShortRead = 100;
constexpr std::int32_t kShortWrite = 101;
constexpr std::int32_t kCloseFailed = 1;

HANDLE AsHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

[[noreturn]] void RaiseLastError() { throw EInOutError(static_cast<std::int32_t>(GetLastError())); }

}  // namespace

void TOfficerFile::Open(const std::string& path, std::int32_t recordSize, TAccess access) {
    CloseQuietly();  // a file still open is released; the new one is what was asked for
    if (path.size() > kMaxOfficerPathLength) throw EInOutError(ERROR_FILENAME_EXCED_RANGE);
    // Other programs (the game) may keep reading and writing the file meanwhile.
    const DWORD desired = access == TAccess::ReadOnly ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    const HANDLE handle = CreateFileA(path.c_str(), desired, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
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
    if (done < sizeof record) throw EInOutError(kShortRead);
}

void TOfficerFile::Write(const TOfficerRecord& record) {
    RequireOpen();
    DWORD done = 0;
    if (!WriteFile(AsHandle(handle_), &record, sizeof record, &done, nullptr)) RaiseLastError();
    position_ += done;
    if (done < sizeof record) throw EInOutError(kShortWrite);
}

void TOfficerFile::Close() {
    if (!IsOpen()) return;
    const HANDLE handle = AsHandle(handle_);
    handle_ = kClosed;  // closed from here on, whatever the system answers
    if (!CloseHandle(handle)) throw EInOutError(kCloseFailed);
}

// The officer file on Linux: open(), one pread or pwrite per record at the
// position kept here, close(), with errno turned into Windows error codes.
#include "process/officer_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/descriptor_posix.h"
#include "common/error_code_posix.h"
#include "common/error_codes.h"
#include "common/errors.h"

namespace {

int AsDescriptor(std::intptr_t handle) { return static_cast<int>(handle); }

// Why an open descriptor must be refused, as a Windows code; 0 when it may stay.
// Only a regular file is an officer file: a folder, a FIFO or a device is
// refused before anything is read from it or written to it. A file without any
// write permission bit stands for the Windows read-only attribute: root may
// still open it for writing, yet the game's users must see it refused.
std::int32_t RefusalOf(int fd, bool forWriting) {
    struct stat info {};
    if (fstat(fd, &info) != 0) return WindowsErrorCode(errno);
    if (!S_ISREG(info.st_mode)) return kErrorAccessDenied;
    if (forWriting && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return kErrorAccessDenied;
    return 0;
}

bool IsSymbolicLink(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

// The code for a failed open(): a link at the file's own name is refused like
// a file without access, as it may point at any file of the user's.
std::int32_t RefusedOpenCode(int error, const std::string& path) {
    if (error == ELOOP && IsSymbolicLink(path)) return kErrorAccessDenied;
    return OpenErrorCode(error, path);
}

}  // namespace

void TOfficerFile::Open(const std::string& path, std::int32_t recordSize, TAccess access) {
    CloseQuietly();  // a file still open is released; the new one is what was asked for
    const bool forWriting = access == TAccess::ReadWrite;
    // Never created, never truncated; nothing is locked against other programs.
    // A save folder may come from anyone: a link at the file's name is not
    // followed (links on the way, a moved slot folder say, still are), and a
    // FIFO or device opens without waiting, to be refused below. A regular
    // file ignores O_NONBLOCK.
    const int flags = (forWriting ? O_RDWR : O_RDONLY) | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    TDescriptor fd(RetryOnInterrupt([&] { return open(path.c_str(), flags); }));
    if (!fd.IsOpen()) throw EInOutError(RefusedOpenCode(errno, path));
    if (const std::int32_t refusal = RefusalOf(fd.Get(), forWriting)) throw EInOutError(refusal);
    handle_ = fd.Release();  // kept as the handle that the Windows build shares
    recordSize_ = recordSize;
    position_ = 0;
}

void TOfficerFile::Seek(std::int32_t recordIndex) {
    RequireOpen();
    // pread/pwrite take the position with them, so seeking only remembers it;
    // like Windows, a position past the end is not an error.
    position_ = RecordOffset(recordIndex);
}

void TOfficerFile::Read(TOfficerRecord& record) {
    RequireOpen();
    const ssize_t done = RetryOnInterrupt(
        [&] { return pread(AsDescriptor(handle_), &record, sizeof record, static_cast<off_t>(position_)); });
    if (done < 0) throw EInOutError(WindowsErrorCode(errno));
    position_ += done;
    if (static_cast<std::size_t>(done) < sizeof record) throw EInOutError(kErrorShortRead);
}

std::int32_t TOfficerFile::WriteAt(std::int64_t offset, const void* bytes, std::size_t count,
                                   std::size_t& done) noexcept {
    // A short write is not a failure by itself: the rest is written, as
    // WriteFile does. Only a write that makes no progress is a short write
    // (101); a retry that fails gives the system's code (112 for a full disk).
    const auto* at = static_cast<const unsigned char*>(bytes);
    done = 0;
    while (done < count) {
        const ssize_t written = RetryOnInterrupt([&] {
            return pwrite(AsDescriptor(handle_), at + done, count - done,
                          static_cast<off_t>(offset) + static_cast<off_t>(done));
        });
        if (written < 0) return WindowsErrorCode(errno);
        if (written == 0) return kErrorShortWrite;
        done += static_cast<std::size_t>(written);
        position_ = offset + static_cast<std::int64_t>(done);
    }
    return 0;
}

void TOfficerFile::Close() {
    if (!IsOpen()) return;
    const int fd = AsDescriptor(handle_);
    handle_ = kClosed;  // closed from here on, whatever the system answers
    // Not retried: an interrupted close() already released the descriptor.
    if (!CloseDescriptor(fd)) throw EInOutError(kErrorCloseFailed);
}

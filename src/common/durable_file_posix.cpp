// Durable files on Linux: open/pread/pwrite/fsync/rename, the folder's fsync,
// mode and owner kept with fchmod/fchown, errno turned into Windows codes.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <memory>

#include "common/descriptor_posix.h"
#include "common/durable_file.h"
#include "common/durable_file_system.h"
#include "common/error_code_posix.h"
#include "common/error_codes.h"
#include "common/errors.h"

namespace {

int Fd(std::intptr_t handle) { return static_cast<int>(handle); }

int OpenRetrying(const std::string& path, int flags, mode_t mode = 0) {
    return RetryOnInterrupt([&] { return ::open(path.c_str(), flags, mode); });
}

[[noreturn]] void RaiseErrno(const std::string& path) { throw EInOutError(WindowsErrorCode(errno), path); }

}  // namespace

TReadableFile::TReadableFile(const std::string& path) : path_(path) {
    // Non-blocking, so that a pipe planted under the name cannot hang the
    // open; a link at the file's own name is refused like a file without
    // access, as the officer file refuses it (links on the way are followed).
    TDescriptor fd(OpenRetrying(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW));
    if (!fd.IsOpen()) throw EInOutError(errno == ELOOP ? kErrorAccessDenied : OpenErrorCode(errno, path), path);
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) RaiseErrno(path);
    if (!S_ISREG(info.st_mode)) throw EInOutError(kErrorAccessDenied, path);
    handle_ = fd.Release();
}

TReadableFile::~TReadableFile() { CloseDescriptor(Fd(handle_)); }

std::uint64_t TReadableFile::Size() const {
    struct stat info {};
    if (::fstat(Fd(handle_), &info) != 0) RaiseErrno(path_);
    return static_cast<std::uint64_t>(info.st_size);
}

std::size_t TReadableFile::ReadAt(char* bytes, std::size_t count, std::uint64_t offset) {
    const ssize_t got =
        RetryOnInterrupt([&] { return ::pread(Fd(handle_), bytes, count, static_cast<off_t>(offset)); });
    if (got < 0) RaiseErrno(path_);
    return static_cast<std::size_t>(got);
}

TNewFile::TNewFile(const std::string& path, TNewFileOwner owner, const std::string& replacedPath) : path_(path) {
    struct stat old {};
    const bool keep = owner == TNewFileOwner::AsReplacedFile && ::stat(replacedPath.c_str(), &old) == 0;
    // A new file of no kept mode: the umask applies to a shared one.
    const mode_t mode = keep ? (old.st_mode & 07777) : owner == TNewFileOwner::PrivateToUser ? 0600 : 0666;
    TDescriptor fd(OpenRetrying(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
    if (!fd.IsOpen()) RaiseErrno(path);
    if (keep) {
        // Only the superuser may give a file away; otherwise the file stays ours.
        [[maybe_unused]] const int owned = ::fchown(fd.Get(), old.st_uid, old.st_gid);
        if (::fchmod(fd.Get(), mode) != 0) RaiseErrno(path);
    }
    handle_ = fd.Release();
}

TNewFile::~TNewFile() {
    if (handle_ >= 0) CloseDescriptor(Fd(handle_));
}

void TNewFile::WriteAll(const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = RetryOnInterrupt(
            [&] { return ::pwrite(Fd(handle_), bytes.data() + done, bytes.size() - done, static_cast<off_t>(done)); });
        if (written < 0) RaiseErrno(path_);
        if (written == 0) throw EInOutError(kErrorShortWrite, path_);
        done += static_cast<std::size_t>(written);
    }
}

void TNewFile::Flush() {
    if (RetryOnInterrupt([&] { return ::fsync(Fd(handle_)); }) != 0) RaiseErrno(path_);
}

void TNewFile::Close() {
    const int fd = Fd(handle_);
    handle_ = -1;
    if (!CloseDescriptor(fd)) RaiseErrno(path_);
}

void RenameOver(const std::string& from, const std::string& to, TNewFileOwner /*owner*/) {
    if (::rename(from.c_str(), to.c_str()) != 0) RaiseErrno(to);
}

void FlushFolder(const std::string& folder) {
    const std::string path = folder.empty() ? "." : folder;
    const TDescriptor fd(OpenRetrying(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.IsOpen()) RaiseErrno(path);
    // EINVAL: a file system that keeps no folder to flush (it writes through).
    if (RetryOnInterrupt([&] { return ::fsync(fd.Get()); }) != 0 && errno != EINVAL) RaiseErrno(path);
}

bool FileSizeAt(const std::string& path, std::uint64_t& size) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return false;
    size = static_cast<std::uint64_t>(info.st_size);
    return true;
}

bool MakeOneFolder(const std::string& folder) {
    if (::mkdir(folder.c_str(), 0700) == 0) return true;
    if (errno != EEXIST) RaiseErrno(folder);
    if (IsFolder(folder)) return false;  // a link to a folder counts as one
    throw EInOutError(kErrorPathNotFound, folder, kNotAFolderText);
}

std::int32_t RemoveFileCode(const std::string& path) {
    if (::unlink(path.c_str()) == 0 || errno == ENOENT) return 0;
    return WindowsErrorCode(errno);
}

bool CreateFileExclusively(const std::string& path) {
    const TDescriptor fd(OpenRetrying(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (fd.IsOpen()) return true;
    if (errno == EEXIST) return false;
    RaiseErrno(path);
}

std::string AbsoluteFolderPath(const std::string& folder) {
    char resolved[PATH_MAX];
    if (::realpath(folder.c_str(), resolved) == nullptr) throw EInOutError(OpenErrorCode(errno, folder), folder);
    const std::string path = resolved;
    return path.back() == '/' ? path : path + '/';
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    struct DirCloser {
        void operator()(DIR* dir) const { ::closedir(dir); }
    };
    std::vector<std::string> names;
    const std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.c_str()));
    if (!dir && errno == ENOENT) return names;
    if (!dir) RaiseErrno(folder);
    for (;;) {
        errno = 0;                                   // readdir's end and its failure differ only in errno
        const dirent* entry = ::readdir(dir.get());  // NOLINT(concurrency-mt-unsafe): one stream, one thread
        if (entry == nullptr) break;
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    if (errno != 0) RaiseErrno(folder);
    return names;
}

TPathKind PathKindOf(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return TPathKind::Missing;
    if (S_ISREG(info.st_mode)) return TPathKind::File;
    return S_ISDIR(info.st_mode) ? TPathKind::Folder : TPathKind::Other;
}

std::int64_t RegularFileSize(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
    return static_cast<std::int64_t>(info.st_size);
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::int64_t SecondsSinceWritten(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return -1;
    return static_cast<std::int64_t>(std::time(nullptr)) - static_cast<std::int64_t>(info.st_mtime);
}

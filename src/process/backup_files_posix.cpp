// Backup file operations on Linux: the XDG data folder, open/read/fsync/rename
// with errno turned into Windows error codes.
#include "process/backup_files.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/descriptor_posix.h"
#include "common/error_codes.h"
#include "common/errors.h"
#include "process/error_code_posix.h"

namespace {

[[noreturn]] void RaiseErrno() { throw EInOutError(WindowsErrorCode(errno)); }

int OpenRetrying(const std::string& path, int flags, mode_t mode = 0) {
    return RetryOnInterrupt([&] { return open(path.c_str(), flags, mode); });
}

void WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = RetryOnInterrupt(
            [&] { return pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done)); });
        if (written < 0) RaiseErrno();
        if (written == 0) throw EInOutError(kErrorShortWrite);
        done += static_cast<std::size_t>(written);
    }
}

}  // namespace

std::string BackupRootFolder() {
    // Only an absolute XDG_DATA_HOME counts; a relative one is ignored.
    const char* data = std::getenv("XDG_DATA_HOME");  // NOLINT(concurrency-mt-unsafe): read before any thread starts
    std::string base;
    if (data != nullptr && data[0] == '/') {
        base = data;
    } else {
        const char* home = std::getenv("HOME");  // NOLINT(concurrency-mt-unsafe)
        if (home == nullptr || home[0] != '/') return "";
        base = std::string(home) + "/.local/share";
    }
    while (base.size() > 1 && base.back() == '/') base.pop_back();
    return (base == "/" ? "" : base) + "/kasumiro/backups/";
}

std::string AbsoluteFolderPath(const std::string& folder) {
    char resolved[PATH_MAX];
    if (realpath(folder.c_str(), resolved) == nullptr) throw EInOutError(OpenErrorCode(errno, folder));
    std::string path = resolved;
    return path.back() == '/' ? path : path + '/';
}

std::string ReadRegularFile(const std::string& path, std::size_t maxSize) {
    // Non-blocking, so that a pipe planted under the name cannot hang the open.
    const TDescriptor file(OpenRetrying(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!file.IsOpen()) throw EInOutError(OpenErrorCode(errno, path));
    struct stat info {};
    if (fstat(file.Get(), &info) != 0) RaiseErrno();
    if (!S_ISREG(info.st_mode)) throw EInOutError(kErrorAccessDenied);
    if (static_cast<std::size_t>(info.st_size) > maxSize) throw EInOutError(kErrorInvalidParameter);
    std::string bytes(maxSize + 1, '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = RetryOnInterrupt(
            [&] { return pread(file.Get(), bytes.data() + done, bytes.size() - done, static_cast<off_t>(done)); });
        if (got < 0) RaiseErrno();
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    // A file that grew while read is refused like a large one.
    if (done > maxSize) throw EInOutError(kErrorInvalidParameter);
    bytes.resize(done);
    return bytes;
}

void MakeFolders(const std::string& folder) {
    for (std::size_t end = folder.find('/', 1); end != std::string::npos; end = folder.find('/', end + 1)) {
        const std::string part = folder.substr(0, end);
        if (mkdir(part.c_str(), 0700) == 0) continue;
        if (errno != EEXIST) RaiseErrno();
        struct stat info {};
        if (stat(part.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) throw EInOutError(kErrorPathNotFound);
    }
}

void ReplaceFileDurably(const std::string& path, const std::string& temporaryPath, const std::string& bytes) {
    unlink(temporaryPath.c_str());  // a leftover of a crash; a link there is removed, not followed
    TDescriptor file(OpenRetrying(temporaryPath, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!file.IsOpen()) RaiseErrno();
    try {
        WriteAll(file.Get(), bytes);
        if (fsync(file.Get()) != 0) RaiseErrno();
        if (!file.Close()) RaiseErrno();
        if (rename(temporaryPath.c_str(), path.c_str()) != 0) RaiseErrno();
    } catch (...) {
        unlink(temporaryPath.c_str());
        throw;
    }
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) return names;
    while (const dirent* entry = readdir(dir)) {  // NOLINT(concurrency-mt-unsafe): one stream, one thread
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    closedir(dir);
    return names;
}

bool PathExists(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

void RemoveFileQuietly(const std::string& path) { unlink(path.c_str()); }

TLocalTime LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

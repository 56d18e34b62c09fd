// The settings file on Linux: our own reader and writer of the INI text. A
// write replaces the whole file atomically, so it is never left cut short.
#include "settings/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>

#include "settings/ini_text.h"

namespace {

// Closes a descriptor and removes the temporary file unless it was kept.
class TTempFile {
public:
    TTempFile() = default;
    ~TTempFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    TTempFile(const TTempFile&) = delete;
    TTempFile& operator=(const TTempFile&) = delete;

    // Creates a new file beside target; false when the folder refuses.
    bool Create(const std::string& target, mode_t mode) {
        static unsigned counter = 0;
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string candidate =
                target + ".~" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
            const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (fd >= 0) {
                fd_ = fd;
                path_ = std::move(candidate);
                return true;
            }
            if (errno != EEXIST) return false;
        }
        return false;
    }

    int Fd() const { return fd_; }

    bool CloseDescriptor() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

    // Puts the file in target's place; from then on it is no longer removed.
    bool RenameTo(const std::string& target) {
        if (::rename(path_.c_str(), target.c_str()) != 0) return false;
        path_.clear();
        return true;
    }

private:
    int fd_ = -1;
    std::string path_;
};

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

// A settings file reached through a symbolic link is written where the link points.
std::string ResolveLink(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

void SyncFolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

// Nothing is held between calls, so there is nothing left to write out.
TIniFile::~TIniFile() { UpdateFile(); }

void TIniFile::UpdateFile() {}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
    const auto content = ReadWholeFile(fileName_);
    if (!content) return defaultValue;
    auto value = IniTextLookup(*content, section, key);
    if (!value) return defaultValue;
    if (value->size() > kMaxIniValueLength) value->resize(kMaxIniValueLength);
    return *value;
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    const std::string target = ResolveLink(fileName_);

    std::string content;
    mode_t mode = 0666;  // a new file: the umask applies
    struct stat info {};
    const bool exists = ::stat(target.c_str(), &info) == 0;
    if (exists) {
        // A file without write permission is read-only, even for the superuser.
        if (!S_ISREG(info.st_mode) || (info.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) {
            RaiseWriteRefused();
        }
        auto old = ReadWholeFile(target);
        if (!old) RaiseWriteRefused();
        content = std::move(*old);
        mode = info.st_mode & 07777;
    } else if (errno != ENOENT) {
        RaiseWriteRefused();
    }

    const std::string updated = IniTextAssign(content, section, key, value);

    TTempFile temp;
    if (!temp.Create(target, mode)) RaiseWriteRefused();
    if (exists) {
        // Keep the old file's owner (best effort) and exact permissions.
        if (::fchown(temp.Fd(), info.st_uid, info.st_gid) != 0) {
            // Only the superuser may give a file away; the file stays ours.
        }
        if (::fchmod(temp.Fd(), mode) != 0) RaiseWriteRefused();
    }
    if (!WriteAll(temp.Fd(), updated) || ::fsync(temp.Fd()) != 0 || !temp.CloseDescriptor()) RaiseWriteRefused();
    if (!temp.RenameTo(target)) RaiseWriteRefused();
    SyncFolderOf(target);
}

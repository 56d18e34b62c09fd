// The floor of a rewrite with its backup: exactly the system calls it cannot
// do without, and nothing else. One durable copy of the save (open, one read,
// write, flush, rename, folder flush), then the record-by-record rewrite (2
// reads per record, 1 write per changed record). `make bench` times
// kasumiro-cli's rewrite against it. Usage: backup_floor SCENARIO SAVE COPY
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int kRecords = 2000;
constexpr int kRecordSize = 38;
constexpr int kNameAt = 6;
constexpr int kNameSize = 12;

bool CopyDurably(const char* save, const std::string& copy) {
    char bytes[kRecords * kRecordSize + 1];
    const int in = ::open(save, O_RDONLY | O_CLOEXEC);
    const ssize_t size = in < 0 ? -1 : ::pread(in, bytes, sizeof bytes, 0);
    if (in >= 0) ::close(in);
    const std::string temporary = copy + ".tmp";
    const int out = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (size < 0 || out < 0) return false;
    const bool written = ::pwrite(out, bytes, static_cast<size_t>(size), 0) == size && ::fsync(out) == 0;
    ::close(out);
    if (!written || ::rename(temporary.c_str(), copy.c_str()) != 0) return false;
    const std::string folder = copy.substr(0, copy.rfind('/') + 1);
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool flushed = dir >= 0 && ::fsync(dir) == 0;
    if (dir >= 0) ::close(dir);
    return flushed;
}

bool Rewrite(const char* scenarioPath, const char* savePath) {
    const int scenario = ::open(scenarioPath, O_RDWR | O_CLOEXEC);
    const int save = ::open(savePath, O_RDWR | O_CLOEXEC);
    bool ok = scenario >= 0 && save >= 0;
    for (int i = 0; ok && i < kRecords; ++i) {
        char a[kRecordSize];
        char b[kRecordSize];
        const off_t at = static_cast<off_t>(i) * kRecordSize;
        ok = ::pread(scenario, a, kRecordSize, at) == kRecordSize && ::pread(save, b, kRecordSize, at) == kRecordSize;
        if (!ok || std::memcmp(a + kNameAt, b + kNameAt, kNameSize) == 0) continue;
        std::memcpy(b + kNameAt, a + kNameAt, kNameSize);
        ok = ::pwrite(save, b, kRecordSize, at) == kRecordSize;
    }
    if (scenario >= 0) ::close(scenario);
    if (save >= 0) ::close(save);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: backup_floor SCENARIO SAVE COPY\n", stderr);
        return 2;
    }
    return CopyDurably(argv[2], argv[3]) && Rewrite(argv[1], argv[2]) ? 0 : 1;
}

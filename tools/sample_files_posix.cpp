// Linux: folders with mkdir, write times with utimes from a local mktime.
#include "sample_files.h"

#include <sys/stat.h>
#include <sys/time.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <stdexcept>

namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path) {
    throw std::runtime_error(what + " " + path + ": " + std::strerror(errno));
}

}  // namespace

void MakeSampleFolder(const std::string& path) {
    if (mkdir(path.c_str(), 0755) == 0) return;
    struct stat info {};
    if (errno == EEXIST && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return;
    Fail("cannot make folder", path);
}

void SetSampleWriteTime(const std::string& path, int year, int month, int day, int hour, int minute) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_isdst = -1;  // let the time zone say whether summer time applied then
    const std::time_t when = std::mktime(&local);
    if (when == static_cast<std::time_t>(-1)) Fail("cannot convert the time for", path);
    const timeval times[2] = {{when, 0}, {when, 0}};
    if (utimes(path.c_str(), times) != 0) Fail("cannot set the time of", path);
}

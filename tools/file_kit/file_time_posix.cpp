// File times and the time zone for tests on Linux.
#include "file_kit/file_time.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdlib>
#include <ctime>
#include <stdexcept>

void SetFileLocalTime(const std::string& path, const TDateStamp& local) {
    std::tm time{};
    time.tm_year = local.Year - 1900;
    time.tm_mon = local.Month - 1;
    time.tm_mday = local.Day;
    time.tm_hour = local.Hour;
    time.tm_min = local.Minute;
    time.tm_sec = local.Second;
    time.tm_isdst = -1;
    const timespec stamp{std::mktime(&time), 0};
    const timespec times[2] = {stamp, stamp};
    if (::utimensat(AT_FDCWD, path.c_str(), times, 0) != 0) throw std::runtime_error("cannot set time of " + path);
}

TScopedTimeZone::TScopedTimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) {
        hadZone_ = true;
        oldZone_ = old;
    }
    ::setenv("TZ", zone, 1);
    ::tzset();
}

TScopedTimeZone::~TScopedTimeZone() {
    if (hadZone_) {
        ::setenv("TZ", oldZone_.c_str(), 1);
    } else {
        ::unsetenv("TZ");
    }
    ::tzset();
}

// Test helpers for time stamps: set a file's last-write time in local time,
// and run a test under a fixed time zone.
#pragma once

#include <string>

#include "settings/locale_info.h"

void SetFileLocalTime(const std::string& path, const TDateStamp& local);

// A time zone (a POSIX TZ value; Japan's, without daylight saving, unless
// named) for the life of the object. On Windows the test runner already sets
// Japan's, the helpers convert with the offset the program itself uses, and
// the zone stays as it is.
class TScopedTimeZone {
public:
    explicit TScopedTimeZone(const char* zone = "JST-9");
    ~TScopedTimeZone();
    TScopedTimeZone(const TScopedTimeZone&) = delete;
    TScopedTimeZone& operator=(const TScopedTimeZone&) = delete;

private:
    [[maybe_unused]] bool hadZone_ = false;  // Linux only
    std::string oldZone_;
};
using TScopedJapanTimeZone = TScopedTimeZone;

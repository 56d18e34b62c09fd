// Test helpers for time stamps: set a file's last-write time in local time,
// and run a test under a fixed time zone.
#pragma once

#include <string>

#include "settings/locale_info.h"

void SetFileLocalTime(const std::string& path, const TDateStamp& local);

// Japan's zone (no daylight saving) for the life of the object. On Windows
// the test runner already sets it, and the helpers convert with the offset
// the program itself uses.
class TScopedJapanTimeZone {
public:
    TScopedJapanTimeZone();
    ~TScopedJapanTimeZone();
    TScopedJapanTimeZone(const TScopedJapanTimeZone&) = delete;
    TScopedJapanTimeZone& operator=(const TScopedJapanTimeZone&) = delete;

private:
    [[maybe_unused]] bool hadZone_ = false;  // Linux only
    std::string oldZone_;
};

// A slot's time stamp on Linux: stat and the local time under the zone rules
// in force at the file's time.
#include "settings/slot_query.h"

#include <sys/stat.h>

#include <ctime>

std::optional<TDateStamp> QuerySlotTimeStamp(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return std::nullopt;
    std::tm local{};
    const std::time_t written = info.st_mtime;
    if (::localtime_r(&written, &local) == nullptr) return std::nullopt;
    TDateStamp stamp;
    stamp.Year = local.tm_year + 1900;
    stamp.Month = local.tm_mon + 1;
    stamp.Day = local.tm_mday;
    stamp.Hour = local.tm_hour;
    stamp.Minute = local.tm_min;
    stamp.Second = local.tm_sec > 59 ? 59 : local.tm_sec;  // a leap second counts as 59
    return DosTimeStamp(stamp);
}

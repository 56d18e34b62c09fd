// The DOS date and time range and resolution.
#include "settings/slot_query.h"

std::optional<TDateStamp> DosTimeStamp(const TDateStamp& localTime) {
    if (localTime.Year < kDosFirstYear || localTime.Year > kDosLastYear) return std::nullopt;
    TDateStamp stamp = localTime;
    stamp.Second -= stamp.Second % 2;
    return stamp;
}

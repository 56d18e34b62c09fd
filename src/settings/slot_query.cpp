// The DOS date and time range and resolution.
#include "settings/slot_query.h"

std::optional<TDateStamp> DosTimeStamp(const TDateStamp& localTime) {
    if (localTime.Year < 1980 || localTime.Year > 2107) return std::nullopt;
    TDateStamp stamp = localTime;
    stamp.Second -= stamp.Second % 2;
    return stamp;
}

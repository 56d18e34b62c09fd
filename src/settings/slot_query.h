// Whether a save slot holds a saved game, and when it was written: the local
// last-write time of its SYSTEM.BIN as a DOS date and time.
#pragma once

#include <optional>
#include <string>

#include "settings/locale_info.h"

// The time stamp of the file at path; nothing when the path is missing, is
// a folder, or its local time lies outside the DOS range.
std::optional<TDateStamp> QuerySlotTimeStamp(const std::string& path);

// The years a DOS date holds.
inline constexpr int kDosFirstYear = 1980;
inline constexpr int kDosLastYear = 2107;

// A local time reduced to what a DOS date and time holds: years 1980 to
// 2107, seconds rounded down to even; nothing outside that range.
std::optional<TDateStamp> DosTimeStamp(const TDateStamp& localTime);

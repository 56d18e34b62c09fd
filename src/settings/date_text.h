// The date text of a save slot, "  dddddd hh:nn": the long date of the
// regional settings, then the hour and minute with the time separator.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "settings/locale_info.h"

// The regional settings as read at one moment, the long date picture
// already adapted to the locale's calendar.
struct TDateSettings {
    std::string LongDateFormat;
    std::string TimeSeparator;
    std::string DateSeparator;
    TLocaleLanguage Language = TLocaleLanguage::Other;
    std::array<std::string, 7> ShortDayNames;  // Sunday first
    std::array<std::string, 7> LongDayNames;
    std::array<std::string, 12> ShortMonthNames;
    std::array<std::string, 12> LongMonthNames;
    // Gives the era name and the year within the era.
    std::shared_ptr<const ILocaleInfo> Locale;
};

TDateSettings ReadDateSettings(std::shared_ptr<const ILocaleInfo> locale);

// Calendars 3 to 5 count years within an era: "gg" becomes "ggg" and year
// runs become era-year runs. Japanese, Chinese and Korean locales on another
// calendar lose their era letters. Double-byte characters stay as they are.
std::string AdaptLongDatePicture(const std::string& picture, int calendarType, TLocaleLanguage language);

std::string FormatLongDate(const TDateStamp& date, const TDateSettings& settings);

// "  " + long date + " " + hh + time separator + nn.
std::string SlotDateText(const TDateStamp& date, const TDateSettings& settings);

// A locale whose every answer a test sets, so date texts do not depend on
// the machine's regional settings.
#pragma once

#include <string>

#include "settings/locale_info.h"

class TFakeLocale : public ILocaleInfo {
public:
    std::string Picture = "d/M/yyyy";
    std::string Time = ".";
    std::string Date = "-";
    std::string Calendar = "1";
    TLocaleLanguage Lang = TLocaleLanguage::Other;

    std::string LongDatePicture() const override { return Picture; }
    std::string TimeSeparator() const override { return Time; }
    std::string DateSeparator() const override { return Date; }
    std::string CalendarType() const override { return Calendar; }
    TLocaleLanguage Language() const override { return Lang; }
    std::string DayName(int dayOfWeek, bool abbreviated) const override {
        return (abbreviated ? "s" : "long") + std::to_string(dayOfWeek);
    }
    std::string MonthName(int month, bool abbreviated) const override {
        return (abbreviated ? "m" : "month") + std::to_string(month);
    }
    // Era "Era", year within it "07" / "7".
    std::string AltCalendarDate(const TDateStamp&, const std::string& picture) const override {
        if (picture == "gg") return "Era";
        if (picture == "yy") return "07";
        if (picture == "yyyy") return "7";
        return "?";
    }
};

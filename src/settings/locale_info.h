// The regional settings the date text needs, behind a small interface so the
// renderer can be driven by any locale (the platform's, built-in data or a
// test's own).
#pragma once

#include <memory>
#include <string>

// A local date and time, as a slot's time stamp gives it.
struct TDateStamp {
    int Year = 0;
    int Month = 0;  // 1 to 12
    int Day = 0;    // 1 to 31
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
};

enum class TLocaleLanguage { Other, Japanese, Chinese, Korean };

class ILocaleInfo {
public:
    virtual ~ILocaleInfo() = default;

    // Each text is empty when the locale gives none.
    virtual std::string LongDatePicture() const = 0;
    virtual std::string TimeSeparator() const = 0;
    virtual std::string DateSeparator() const = 0;
    virtual std::string CalendarType() const = 0;  // a number as text
    virtual TLocaleLanguage Language() const = 0;
    // dayOfWeek 0 is Sunday; month 1 is January.
    virtual std::string DayName(int dayOfWeek, bool abbreviated) const = 0;
    virtual std::string MonthName(int month, bool abbreviated) const = 0;
    // The date in the locale's alternative calendar with the picture "yy",
    // "yyyy" or "gg"; empty when it cannot be formatted.
    virtual std::string AltCalendarDate(const TDateStamp& date, const std::string& picture) const = 0;
};

// The locale the program runs in.
std::shared_ptr<const ILocaleInfo> ThreadLocaleInfo();
// The user's default locale, read again after the system's settings changed.
std::shared_ptr<const ILocaleInfo> UserDefaultLocaleInfo();

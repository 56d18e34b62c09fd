// Built-in regional data: names, pictures and the Japanese era calendar.
#include "settings/builtin_locale.h"

#include <string_view>

#include "common/ascii_text.h"

namespace {

struct TEra {
    int Year, Month, Day;  // first day of the era
    const char* Name;
};

// The Japanese eras with their first days, oldest first.
constexpr TEra kJapaneseEras[] = {
    {1868, 1, 1, "明治"}, {1912, 7, 30, "大正"}, {1926, 12, 25, "昭和"}, {1989, 1, 8, "平成"}, {2019, 5, 1, "令和"},
};

int DateKey(int year, int month, int day) { return year * 10000 + month * 100 + day; }

class TJapaneseLocale : public ILocaleInfo {
public:
    explicit TJapaneseLocale(int calendarType) : calendarType_(calendarType) {}

    std::string LongDatePicture() const override {
        return calendarType_ == 3 ? "gg y'年'M'月'd'日'" : "yyyy'年'M'月'd'日'";
    }
    std::string TimeSeparator() const override { return ":"; }
    std::string DateSeparator() const override { return "/"; }
    std::string CalendarType() const override { return std::to_string(calendarType_); }
    TLocaleLanguage Language() const override { return TLocaleLanguage::Japanese; }

    std::string DayName(int dayOfWeek, bool abbreviated) const override {
        static const char* const kNames[] = {"日", "月", "火", "水", "木", "金", "土"};
        const std::string name = kNames[dayOfWeek % 7];
        return abbreviated ? name : name + "曜日";
    }
    std::string MonthName(int month, bool abbreviated) const override {
        return abbreviated ? std::to_string(month) : std::to_string(month) + "月";
    }

    // The era calendar: "gg" the era's name, "yy" the year within it in two
    // digits, "yyyy" the year within it as it stands.
    std::string AltCalendarDate(const TDateStamp& date, const std::string& picture) const override {
        const TEra* era = nullptr;
        for (const TEra& candidate : kJapaneseEras) {
            if (DateKey(date.Year, date.Month, date.Day) >= DateKey(candidate.Year, candidate.Month, candidate.Day)) {
                era = &candidate;
            }
        }
        if (era == nullptr) return "";
        const int eraYear = date.Year - era->Year + 1;
        if (picture == "gg") return era->Name;
        if (picture == "yy") return Number(eraYear, true);
        if (picture == "yyyy") return Number(eraYear, false);
        return "";
    }

private:
    int calendarType_;
};

class TUsEnglishLocale : public ILocaleInfo {
public:
    std::string LongDatePicture() const override { return "dddd, MMMM d, yyyy"; }
    std::string TimeSeparator() const override { return ":"; }
    std::string DateSeparator() const override { return "/"; }
    std::string CalendarType() const override { return "1"; }
    TLocaleLanguage Language() const override { return TLocaleLanguage::Other; }

    std::string DayName(int dayOfWeek, bool abbreviated) const override {
        static const char* const kNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                             "Thursday", "Friday", "Saturday"};
        const std::string name = kNames[dayOfWeek % 7];
        return abbreviated ? name.substr(0, 3) : name;
    }
    std::string MonthName(int month, bool abbreviated) const override {
        static const char* const kNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                             "July",    "August",   "September", "October", "November", "December"};
        const std::string name = kNames[(month - 1) % 12];
        return abbreviated ? name.substr(0, 3) : name;
    }

    // No alternative calendar: the Gregorian one.
    std::string AltCalendarDate(const TDateStamp& date, const std::string& picture) const override {
        if (picture == "gg") return "A.D.";
        if (picture == "yy") return Number(date.Year % 100, true);
        if (picture == "yyyy") return Number(date.Year, false);
        return "";
    }
};

}  // namespace

std::shared_ptr<const ILocaleInfo> BuiltinLocale(TBuiltinLocaleId id, int calendarType) {
    if (id == TBuiltinLocaleId::JaJp) return std::make_shared<TJapaneseLocale>(calendarType);
    return std::make_shared<TUsEnglishLocale>();
}

TBuiltinLocaleId BuiltinLocaleFromEnvironment(const char* lcAll, const char* lcTime, const char* lang) {
    for (const char* name : {lcAll, lcTime, lang}) {
        if (name == nullptr || *name == '\0') continue;
        return std::string_view(name).substr(0, 2) == "ja" ? TBuiltinLocaleId::JaJp : TBuiltinLocaleId::EnUs;
    }
    return TBuiltinLocaleId::EnUs;
}

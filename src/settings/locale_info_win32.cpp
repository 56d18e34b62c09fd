// Regional settings on Windows: GetLocaleInfoA and GetDateFormatA for one locale.
#include "settings/locale_info.h"

#include <windows.h>

namespace {

class TWin32LocaleInfo : public ILocaleInfo {
public:
    explicit TWin32LocaleInfo(LCID locale) : locale_(locale) {}

    std::string LongDatePicture() const override { return Get(LOCALE_SLONGDATE); }
    std::string TimeSeparator() const override { return Get(LOCALE_STIME); }
    std::string DateSeparator() const override { return Get(LOCALE_SDATE); }
    std::string CalendarType() const override { return Get(LOCALE_ICALENDARTYPE); }

    TLocaleLanguage Language() const override {
        switch (PRIMARYLANGID(LANGIDFROMLCID(locale_))) {
        case LANG_JAPANESE: return TLocaleLanguage::Japanese;
        case LANG_CHINESE: return TLocaleLanguage::Chinese;
        case LANG_KOREAN: return TLocaleLanguage::Korean;
        default: return TLocaleLanguage::Other;
        }
    }

    // The locale numbers its day names from Monday.
    std::string DayName(int dayOfWeek, bool abbreviated) const override {
        const LCTYPE first = abbreviated ? LOCALE_SABBREVDAYNAME1 : LOCALE_SDAYNAME1;
        return Get(first + static_cast<LCTYPE>((dayOfWeek + 6) % 7));
    }
    std::string MonthName(int month, bool abbreviated) const override {
        const LCTYPE first = abbreviated ? LOCALE_SABBREVMONTHNAME1 : LOCALE_SMONTHNAME1;
        return Get(first + static_cast<LCTYPE>(month - 1));
    }

    std::string AltCalendarDate(const TDateStamp& date, const std::string& picture) const override {
        SYSTEMTIME time{};
        time.wYear = static_cast<WORD>(date.Year);
        time.wMonth = static_cast<WORD>(date.Month);
        time.wDay = static_cast<WORD>(date.Day);
        char buffer[256];
        const int length = GetDateFormatA(locale_, DATE_USE_ALT_CALENDAR, &time, picture.c_str(), buffer,
                                          sizeof buffer);
        return length > 0 ? std::string(buffer) : std::string();
    }

private:
    std::string Get(LCTYPE type) const {
        char buffer[256];
        const int length = GetLocaleInfoA(locale_, type, buffer, sizeof buffer);
        return length > 0 ? std::string(buffer) : std::string();
    }

    LCID locale_;
};

}  // namespace

std::shared_ptr<const ILocaleInfo> ThreadLocaleInfo() { return std::make_shared<TWin32LocaleInfo>(GetThreadLocale()); }

std::shared_ptr<const ILocaleInfo> UserDefaultLocaleInfo() {
    return std::make_shared<TWin32LocaleInfo>(GetUserDefaultLCID());
}

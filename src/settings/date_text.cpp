// Rendering the long date picture letter by letter, and the slot's date text.
#include "settings/date_text.h"

#include "common/ascii_text.h"
#include "common/system_text.h"
#include "settings/ini_file.h"

namespace {

// True when text continues at pos with the letters of run, in either case.
bool RunAt(const std::string& text, std::size_t pos, const char* run) {
    for (; *run != '\0'; ++run, ++pos) {
        if (pos >= text.size() || AsciiLower(text[pos]) != *run) return false;
    }
    return true;
}

// 0 for Sunday (Zeller's congruence on the Gregorian calendar).
int DayOfWeek(int year, int month, int day) {
    if (month < 3) {
        month += 12;
        --year;
    }
    const int k = year % 100;
    const int j = year / 100;
    const int h = (day + 13 * (month + 1) / 5 + k + k / 4 + j / 4 + 5 * j) % 7;  // 0 is Saturday
    return (h + 6) % 7;
}

std::string EraYear(const TDateStamp& date, const TDateSettings& settings, std::size_t count) {
    if (!settings.Locale) return "";
    std::string year = settings.Locale->AltCalendarDate(date, count <= 2 ? "yy" : "yyyy");
    if (count == 1 && !year.empty() && year[0] == '0') year.erase(0, 1);
    return year;
}

std::string EraName(const TDateStamp& date, const TDateSettings& settings, std::size_t count) {
    if (!settings.Locale) return "";
    std::string name = settings.Locale->AltCalendarDate(date, "gg");
    // A single "g" on a Japanese locale gives the era's first character only.
    if (count == 1 && settings.Language == TLocaleLanguage::Japanese && !name.empty()) {
        name.resize(SystemCharLength(name, 0));
    }
    return name;
}

}  // namespace

TDateSettings ReadDateSettings(std::shared_ptr<const ILocaleInfo> locale) {
    TDateSettings settings;
    std::string picture = locale->LongDatePicture();
    if (picture.empty()) picture = "mmmm d, yyyy";
    settings.Language = locale->Language();
    settings.LongDateFormat = AdaptLongDatePicture(picture, StrToIntDef(locale->CalendarType(), 1), settings.Language);
    settings.TimeSeparator = locale->TimeSeparator();
    if (settings.TimeSeparator.empty()) settings.TimeSeparator = ":";
    settings.DateSeparator = locale->DateSeparator();
    if (settings.DateSeparator.empty()) settings.DateSeparator = "/";
    for (int day = 0; day < 7; ++day) {
        settings.ShortDayNames[day] = locale->DayName(day, true);
        settings.LongDayNames[day] = locale->DayName(day, false);
    }
    for (int month = 1; month <= 12; ++month) {
        settings.ShortMonthNames[month - 1] = locale->MonthName(month, true);
        settings.LongMonthNames[month - 1] = locale->MonthName(month, false);
    }
    settings.Locale = std::move(locale);
    return settings;
}

std::string AdaptLongDatePicture(const std::string& picture, int calendarType, TLocaleLanguage language) {
    const bool eraCalendar = calendarType == 3 || calendarType == 4 || calendarType == 5;
    const bool dropEra = !eraCalendar && language != TLocaleLanguage::Other;
    if (!eraCalendar && !dropEra) return picture;

    std::string result;
    std::size_t pos = 0;
    while (pos < picture.size()) {
        const std::size_t length = SystemCharLength(picture, pos);
        if (length > 1) {
            result.append(picture, pos, length);
            pos += length;
        } else if (dropEra) {
            if (AsciiLower(picture[pos]) != 'g') result += picture[pos];
            ++pos;
        } else if (RunAt(picture, pos, "gg")) {
            result += "ggg";
            pos += 2;
        } else if (RunAt(picture, pos, "yyyy")) {
            result += "eeee";
            pos += 4;
        } else if (RunAt(picture, pos, "yy")) {
            result += "ee";
            pos += 2;
        } else if (RunAt(picture, pos, "y")) {
            result += 'e';
            ++pos;
        } else {
            result += picture[pos];
            ++pos;
        }
    }
    return result;
}

std::string FormatLongDate(const TDateStamp& date, const TDateSettings& settings) {
    const std::string& picture = settings.LongDateFormat;
    std::string out;
    std::size_t pos = 0;
    while (pos < picture.size()) {
        const std::size_t length = SystemCharLength(picture, pos);
        if (length > 1) {
            // A double-byte character outside quotes stands for itself.
            out.append(picture, pos, length);
            pos += length;
            continue;
        }
        const char c = picture[pos];
        const char letter = AsciiLower(c);
        if (letter == 'd' || letter == 'm' || letter == 'y' || letter == 'e' || letter == 'g') {
            std::size_t count = 1;
            while (pos + count < picture.size() && AsciiLower(picture[pos + count]) == letter) ++count;
            pos += count;
            switch (letter) {
            case 'd':
                if (count <= 2) {
                    out += Number(date.Day, count == 2);
                } else {
                    const int day = DayOfWeek(date.Year, date.Month, date.Day);
                    out += count == 3 ? settings.ShortDayNames[day] : settings.LongDayNames[day];
                }
                break;
            case 'm':
                if (count <= 2) {
                    out += Number(date.Month, count == 2);
                } else {
                    out += count == 3 ? settings.ShortMonthNames[date.Month - 1] : settings.LongMonthNames[date.Month - 1];
                }
                break;
            case 'y': out += count <= 2 ? Number(date.Year % 100, true) : Number(date.Year, false); break;
            case 'e': out += EraYear(date, settings, count); break;
            default: out += EraName(date, settings, count); break;
            }
        } else if (c == '\'' || c == '"') {
            // Quoted text, double-byte characters included, without the quotes.
            ++pos;
            while (pos < picture.size() && picture[pos] != c) {
                const std::size_t quotedLength = SystemCharLength(picture, pos);
                out.append(picture, pos, quotedLength);
                pos += quotedLength;
            }
            if (pos < picture.size()) ++pos;
        } else if (c == '/') {
            out += settings.DateSeparator;
            ++pos;
        } else {
            out += c;
            ++pos;
        }
    }
    return out;
}

std::string SlotDateText(const TDateStamp& date, const TDateSettings& settings) {
    return "  " + FormatLongDate(date, settings) + " " + Number(date.Hour, true) + settings.TimeSeparator +
           Number(date.Minute, true);
}

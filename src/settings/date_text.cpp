// Rendering the long date picture letter by letter, and the slot's date text.
#include "settings/date_text.h"

#include "common/ascii_text.h"
#include "common/system_text.h"
#include "settings/ini_file.h"

namespace {

// One piece of a date picture: a double-byte character, a run of one of the
// picture's letters (in either case), text in quotes (the quotes included),
// or any other single byte.
enum class TPieceKind { Character, Run, Quoted, Byte };

struct TPicturePiece {
    TPieceKind Kind = TPieceKind::Byte;
    std::size_t Length = 0;
    char Letter = '\0';          // a run's letter, in lower case
    std::size_t TextLength = 0;  // quoted text's length without its quotes
};

// The piece of picture at pos. Runs are made of the given letters; quotes
// start quoted text only when quotes is set.
TPicturePiece PieceAt(const std::string& picture, std::size_t pos, std::string_view letters, bool quotes) {
    const std::size_t length = SystemCharLength(picture, pos);
    if (length > 1) return {TPieceKind::Character, length};
    const char c = picture[pos];
    const char letter = AsciiLower(c);
    if (letters.find(letter) != std::string_view::npos) {
        std::size_t count = 1;
        while (pos + count < picture.size() && AsciiLower(picture[pos + count]) == letter) ++count;
        return {TPieceKind::Run, count, letter};
    }
    if (quotes && (c == '\'' || c == '"')) {
        std::size_t end = pos + 1;
        while (end < picture.size() && picture[end] != c) end += SystemCharLength(picture, end);
        const std::size_t textLength = end - pos - 1;
        if (end < picture.size()) ++end;
        return {TPieceKind::Quoted, end - pos, '\0', textLength};
    }
    return {TPieceKind::Byte, 1};
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

// The text of a run of count letters ('d', 'm', 'y', 'e' or 'g').
std::string DatePart(const TDateStamp& date, const TDateSettings& settings, char letter, std::size_t count) {
    switch (letter) {
    case 'd': {
        if (count <= 2) return Number(date.Day, count == 2);
        const int day = DayOfWeek(date.Year, date.Month, date.Day);
        return count == 3 ? settings.ShortDayNames[day] : settings.LongDayNames[day];
    }
    case 'm':
        if (count <= 2) return Number(date.Month, count == 2);
        return count == 3 ? settings.ShortMonthNames[date.Month - 1] : settings.LongMonthNames[date.Month - 1];
    case 'y': return count <= 2 ? Number(date.Year % 100, true) : Number(date.Year, false);
    case 'e': return EraYear(date, settings, count);
    default: return EraName(date, settings, count);
    }
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
    for (std::size_t pos = 0; pos < picture.size();) {
        // The adaptation knows no quotes: era letters change inside them too.
        const TPicturePiece piece = PieceAt(picture, pos, "gy", false);
        if (piece.Kind != TPieceKind::Run) {
            result.append(picture, pos, piece.Length);
        } else if (dropEra) {
            if (piece.Letter != 'g') result.append(picture, pos, piece.Length);
        } else if (piece.Letter == 'y') {
            // Runs of four, two and one year letters all become era-year runs.
            result.append(piece.Length, 'e');
        } else {
            // Each "gg" becomes "ggg"; an odd last letter stays as it is.
            for (std::size_t pair = 0; pair < piece.Length / 2; ++pair) result += "ggg";
            if (piece.Length % 2 == 1) result += picture[pos + piece.Length - 1];
        }
        pos += piece.Length;
    }
    return result;
}

std::string FormatLongDate(const TDateStamp& date, const TDateSettings& settings) {
    const std::string& picture = settings.LongDateFormat;
    std::string out;
    for (std::size_t pos = 0; pos < picture.size();) {
        const TPicturePiece piece = PieceAt(picture, pos, "dmyeg", true);
        switch (piece.Kind) {
        case TPieceKind::Run: out += DatePart(date, settings, piece.Letter, piece.Length); break;
        // Quoted text, double-byte characters included, without the quotes.
        case TPieceKind::Quoted: out.append(picture, pos + 1, piece.TextLength); break;
        case TPieceKind::Byte:
            out += picture[pos] == '/' ? settings.DateSeparator : std::string(1, picture[pos]);
            break;
        // A double-byte character outside quotes stands for itself.
        case TPieceKind::Character: out.append(picture, pos, piece.Length); break;
        }
        pos += piece.Length;
    }
    return out;
}

std::string SlotDateText(const TDateStamp& date, const TDateSettings& settings) {
    return "  " + FormatLongDate(date, settings) + " " + Number(date.Hour, true) + settings.TimeSeparator +
           Number(date.Minute, true);
}

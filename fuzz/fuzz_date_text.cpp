// Fuzz target: the long date picture renderer, with any picture, over every
// calendar type and the built-in locales, on valid time stamps.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "fuzz_check.h"
#include "settings/builtin_locale.h"
#include "settings/date_text.h"

namespace {

int DaysIn(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

std::string TwoDigits(int value) {
    return std::string{static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

TDateStamp StampFrom(FuzzedDataProvider& input) {
    TDateStamp date;
    date.Year = input.ConsumeIntegralInRange(1980, 2107);  // the DOS range
    date.Month = input.ConsumeIntegralInRange(1, 12);
    date.Day = input.ConsumeIntegralInRange(1, DaysIn(date.Year, date.Month));
    date.Hour = input.ConsumeIntegralInRange(0, 23);
    date.Minute = input.ConsumeIntegralInRange(0, 59);
    date.Second = 2 * input.ConsumeIntegralInRange(0, 29);
    return date;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto locale = input.ConsumeBool() ? TBuiltinLocaleId::JaJp : TBuiltinLocaleId::EnUs;
    const int calendarType = input.ConsumeIntegralInRange(0, 23);
    const TDateStamp date = StampFrom(input);
    const std::string picture = input.ConsumeRandomLengthString(64);
    const std::string literal = input.ConsumeRemainingBytesAsString();

    TDateSettings settings = ReadDateSettings(BuiltinLocale(locale, calendarType));
    settings.LongDateFormat = AdaptLongDatePicture(picture, calendarType, settings.Language);
    const std::string text = SlotDateText(date, settings);
    const std::string clock = " " + TwoDigits(date.Hour) + settings.TimeSeparator + TwoDigits(date.Minute);
    FUZZ_CHECK(text.compare(0, 2, "  ") == 0);
    FUZZ_CHECK(text.size() >= 2 + clock.size() && text.compare(text.size() - clock.size(), clock.size(), clock) == 0);

    // Text in quotes comes out as it stands, without the quotes.
    if (literal.find_first_of("'\"") == std::string::npos) {
        settings.LongDateFormat = "'" + literal + "'";
        FUZZ_CHECK(FormatLongDate(date, settings) == literal);
    }
    return 0;
}

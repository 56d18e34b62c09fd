// The long date picture: its adaptation to the calendar and its rendering.
#include <gtest/gtest.h>

#include <memory>

#include "settings/builtin_locale.h"
#include "settings/date_text.h"
#include "settings/fake_locale.h"
#include "support/literal_code_page.h"

namespace {

const TDateStamp kApril3rd1998{1998, 4, 3, 21, 5, 6};  // a Friday

TDateSettings SettingsFor(const std::string& picture, TLocaleLanguage language = TLocaleLanguage::Other,
                          const std::string& calendar = "1") {
    auto locale = std::make_shared<TFakeLocale>();
    locale->Picture = picture;
    locale->Lang = language;
    locale->Calendar = calendar;
    return ReadDateSettings(locale);
}

TEST(AdaptLongDatePicture, FollowsTheCalendar) {
    if (!LiteralsAreSystemText()) GTEST_SKIP() << "its double-byte literals are not the system's text here";
    const auto ja = TLocaleLanguage::Japanese;
    const auto other = TLocaleLanguage::Other;
    const struct {
        const char* picture;
        int calendar;
        TLocaleLanguage language;
        const char* adapted;
    } cases[] = {
        {"yyyy'年'M'月'd'日'", 1, ja, "yyyy'年'M'月'd'日'"},
        {"gg yyyy'年'", 1, ja, " yyyy'年'"},
        {"Gg y/M/d", 1, TLocaleLanguage::Chinese, " y/M/d"},
        {"g yy", 1, TLocaleLanguage::Korean, " yy"},
        {"gg yyyy", 1, other, "gg yyyy"},
        {"gg yyyy", 2, other, "gg yyyy"},
        {"gg y'年'M'月'd'日'", 3, ja, "ggg e'年'M'月'd'日'"},
        {"GG YYYY/yy/Y", 4, other, "ggg eeee/ee/e"},
        {"yyy", 5, other, "eee"},
        // The double-byte characters Ｈ and Ｚ end in the bytes of "g" and
        // "y" in code page 932; they must come through whole.
        {"'Ｈ'yyyy", 1, ja, "'Ｈ'yyyy"},
        {"'Ｚ'yyyy'年'", 3, ja, "'Ｚ'eeee'年'"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AdaptLongDatePicture(c.picture, c.calendar, c.language), c.adapted) << c.picture << " " << c.calendar;
    }
}

TEST(FormatLongDate, RendersEveryLetter) {
    const struct {
        const char* picture;
        const char* text;
    } cases[] = {
        {"d/M/yyyy", "3-4-1998"},
        {"dd/MM/yy", "03-04-98"},
        {"ddd dddd", "s5 long5"},
        {"MMM MMMM mmmm", "m4 month4 month4"},
        {"y yyy YYYY", "98 1998 1998"},
        {"e ee eee", "7 07 7"},
        {"g gg", "Era Era"},
        {"'d'\"M/y\"", "dM/y"},
        {"'open d", "open d"},
        {"x,.h n", "x,.h n"},
        {"yyyy'年'M'月'd'日'", "1998年4月3日"},
        {"yyyy年M月d日", "1998年4月3日"},
        {"Dd", "03"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatLongDate(kApril3rd1998, SettingsFor(c.picture)), c.text) << c.picture;
}

TEST(FormatLongDate, DayNamesFollowTheWeekday) {
    const auto settings = SettingsFor("dddd");
    EXPECT_EQ(FormatLongDate({1980, 1, 1}, settings), "long2");    // Tuesday
    EXPECT_EQ(FormatLongDate({2000, 2, 29}, settings), "long2");   // Tuesday
    EXPECT_EQ(FormatLongDate({2024, 3, 3}, settings), "long0");    // Sunday
    EXPECT_EQ(FormatLongDate({2107, 12, 31}, settings), "long6");  // Saturday
}

TEST(ReadDateSettings, FillsInWhatTheLocaleLeavesOut) {
    auto locale = std::make_shared<TFakeLocale>();
    locale->Picture = "";
    locale->Time = "";
    locale->Date = "";
    locale->Calendar = "";
    const TDateSettings settings = ReadDateSettings(locale);
    EXPECT_EQ(settings.LongDateFormat, "mmmm d, yyyy");
    EXPECT_EQ(FormatLongDate(kApril3rd1998, settings), "month4 3, 1998");
    EXPECT_EQ(SlotDateText(kApril3rd1998, settings), "  month4 3, 1998 21:05");
}

TEST(SlotDateText, ShowsHourAndMinuteOnly) {
    const TDateSettings settings = ReadDateSettings(BuiltinLocale(TBuiltinLocaleId::JaJp));
    const struct {
        int hour, minute, second;
        const char* text;
    } cases[] = {
        {21, 5, 6, "  1998年4月3日 21:05"},
        {9, 5, 0, "  1998年4月3日 09:05"},
        {0, 0, 0, "  1998年4月3日 00:00"},
        {23, 59, 58, "  1998年4月3日 23:59"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SlotDateText({1998, 4, 3, c.hour, c.minute, c.second}, settings), c.text) << c.text;
    }
}

TEST(SlotDateText, UsesTheLocaleSeparators) {
    EXPECT_EQ(SlotDateText(kApril3rd1998, SettingsFor("yyyy/MM/dd")), "  1998-04-03 21.05");
    EXPECT_EQ(SlotDateText(kApril3rd1998, ReadDateSettings(BuiltinLocale(TBuiltinLocaleId::EnUs))),
              "  Friday, April 3, 1998 21:05");
}

TEST(SlotDateText, JapaneseEraYearsChangeOnTheEraFirstDay) {
    const TDateSettings settings = ReadDateSettings(BuiltinLocale(TBuiltinLocaleId::JaJp, 3));
    EXPECT_EQ(settings.LongDateFormat, "ggg e'年'M'月'd'日'");
    const struct {
        TDateStamp date;
        const char* text;
    } cases[] = {
        {{1980, 1, 1}, "昭和 55年1月1日"},   {{1989, 1, 7}, "昭和 64年1月7日"}, {{1989, 1, 8}, "平成 1年1月8日"},
        {{2019, 4, 30}, "平成 31年4月30日"}, {{2019, 5, 1}, "令和 1年5月1日"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatLongDate(c.date, settings), c.text) << c.text;
}

TEST(FormatLongDate, SingleEraLettersShortenTheirText) {
    if (!LiteralsAreSystemText()) GTEST_SKIP() << "its double-byte literals are not the system's text here";
    const auto japanese = SettingsFor("g e", TLocaleLanguage::Japanese, "3");
    const auto other = SettingsFor("g e", TLocaleLanguage::Other, "3");
    EXPECT_EQ(FormatLongDate(kApril3rd1998, japanese), "E 7");
    EXPECT_EQ(FormatLongDate(kApril3rd1998, other), "Era 7");
    const TDateSettings era = ReadDateSettings(BuiltinLocale(TBuiltinLocaleId::JaJp, 3));
    TDateSettings single = era;
    single.LongDateFormat = "g";
    EXPECT_EQ(FormatLongDate({1989, 1, 8}, single), "平");
    single.LongDateFormat = "ee";
    EXPECT_EQ(FormatLongDate({1989, 1, 8}, single), "01");
}

TEST(BuiltinLocaleFromEnvironment, TakesTheFirstSetVariable) {
    const auto ja = TBuiltinLocaleId::JaJp;
    const auto en = TBuiltinLocaleId::EnUs;
    const struct {
        const char* lcAll;
        const char* lcTime;
        const char* lang;
        TBuiltinLocaleId id;
    } cases[] = {
        {"ja_JP.UTF-8", nullptr, nullptr, ja},
        {nullptr, "ja_JP", "en_US.UTF-8", ja},
        {"", "", "ja", ja},
        {"C", "ja_JP.UTF-8", "ja_JP.UTF-8", en},
        {nullptr, "en_GB.UTF-8", "ja_JP.UTF-8", en},
        {nullptr, nullptr, nullptr, en},
    };
    for (const auto& c : cases) EXPECT_EQ(BuiltinLocaleFromEnvironment(c.lcAll, c.lcTime, c.lang), c.id);
}

}  // namespace

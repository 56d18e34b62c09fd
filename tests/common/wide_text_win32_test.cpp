// Texts turned to UTF-16 each from its own code page, and paths back to the
// ANSI code page exactly or not at all; run on a Japanese (932) and on an
// English (1252) system.
#include "common/wide_text.h"

#include <windows.h>
#include <gtest/gtest.h>

namespace {

// A character of each system's own that the other lacks: Ä (1252), 日本 (932).
const wchar_t kUmlautPath[] = L"K:\\Spiele \u00C4";
const wchar_t kJapanesePath[] = L"K:\\\u65E5\u672C";

TEST(WideText, ProgramTextIsCp932OnEverySystem) {
    EXPECT_EQ(ProgramText("確認"), L"\u78BA\u8A8D");
    EXPECT_EQ(ProgramText("はい(&Y)"), L"\u306F\u3044(&Y)");
    EXPECT_EQ(ProgramText("ＭＳ Ｐゴシック"), L"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF");
    EXPECT_EQ(ProgramText(""), L"");
}

// The settings file's path is the system's text, the words the program's:
// each part reads right, and the period rule still applies at the end.
TEST(WideText, ErrorTextConvertsThePathFromTheSystemCodePage) {
    std::string path;
    const bool named = ExactSystemText(GetACP() == 932 ? kJapanesePath : kUmlautPath, path);
    ASSERT_TRUE(named);
    path += "\\Kasumiro.ini";
    const EIniFileException error(path + " に書き込めません", TTextSpan{0, path.size()});
    const std::wstring widePath = std::wstring(GetACP() == 932 ? kJapanesePath : kUmlautPath) + L"\\Kasumiro.ini";
    EXPECT_EQ(ErrorBoxWideText(error), widePath + L" \u306B\u66F8\u304D\u8FBC\u3081\u307E\u305B\u3093.");
    EXPECT_EQ(ErrorBoxWideText(EInOutError(32)), L"I/O \u30A8\u30E9\u30FC (32)");
    EXPECT_EQ(ErrorBoxWideText(Exception("")), L"");
}

TEST(WideText, PathsGoBackToTheSystemCodePageOnlyWhenExact) {
    const bool japanese = GetACP() == 932;
    if (!japanese && GetACP() != 1252) GTEST_SKIP() << "written for code pages 932 and 1252";
    const struct {
        const wchar_t* wide;
        bool named;
        const char* ansi;  // with "?" for what the code page lacks
    } cases[] = {
        {L"K:\\Game", true, "K:\\Game"},
        {L"", true, ""},
        {kUmlautPath, !japanese, japanese ? "K:\\Spiele ?" : "K:\\Spiele \xC4"},
        {kJapanesePath, japanese, japanese ? "K:\\\x93\xFA\x96\x7B" : "K:\\??"},
        {L"K:\\\u0100", false, "K:\\?"},       // Ā: a best-fit "A" does not count
        {L"K:\\\U0001F600", false, "K:\\??"},  // an emoji: two UTF-16 units
    };
    for (const auto& c : cases) {
        std::string ansi = "(unchanged)";
        EXPECT_EQ(ExactSystemText(c.wide, ansi), c.named) << c.ansi;
        EXPECT_EQ(ansi, c.ansi);
    }
}

}  // namespace

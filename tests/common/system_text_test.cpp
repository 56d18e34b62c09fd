// Shift-JIS officer names made readable for a terminal.
#include <gtest/gtest.h>

#include "common/system_text.h"
#include "support/literal_code_page.h"

namespace {

TEST(SjisToReadableText, DecodesTextAndEscapesTheRest) {
    if (!LiteralsAreSystemText()) GTEST_SKIP() << "its double-byte literals are not the system's text here";
    const struct {
        std::string sjis;
        const char* readable;
    } cases[] = {
        {"\x8E\x52\x93\x63\x20\x20\x20\x91\xBE\x98\x59\x20", "山田   太郎 "},
        {std::string("\x8E\x52\x93\x63\x00\x00", 6), "山田\\x00\\x00"},
        {"\x8E\x6B", "嗣"},
        {"\xB6\xBD", "ｶｽ"},      // half-width katakana
        {"AB\\", "AB\\x5C"},     // our escapes stay unambiguous
        {"\x93", "\\x93"},       // a lead byte at the end
        {"\x93\x20", "\\x93 "},  // a lead byte before a byte that cannot trail
        {"\x07\x7F\xFD", "\\x07\\x7F\\xFD"},
    };
    for (const auto& c : cases) EXPECT_EQ(SjisToReadableText(c.sjis), c.readable) << c.readable;
}

TEST(LastCharacterStart, WalksWholeCharacters) {
    if (!LiteralsAreSystemText()) GTEST_SKIP() << "its double-byte literals are not the system's text here";
    EXPECT_EQ(LastCharacterStart("abc"), 2u);
    EXPECT_EQ(LastCharacterStart("a"), 0u);
    EXPECT_EQ(LastCharacterStart("aです"), std::string("aで").size());
}

}  // namespace

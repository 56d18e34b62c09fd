// Text to integer: the accepted forms and every range edge.
#include <gtest/gtest.h>

#include "settings/ini_file.h"

namespace {

TEST(StrToIntDef, ConvertsTheWholeTextOrGivesTheDefault) {
    const struct {
        const char* text;
        std::int32_t expected;
    } cases[] = {
        {"3", 3},
        {"0", 0},
        {"007", 7},
        {"  42", 42},
        {"+5", 5},
        {"-5", -5},
        {"  -5", -5},
        {"$3", 3},
        {"$ff", 255},
        {"$FF", 255},
        {"x10", 16},
        {"X10", 16},
        {"0x10", 16},
        {"0X10", 16},
        {"-$10", -16},
        {"+0x10", 16},
        {"$FFFFFFFF", -1},
        {"$0000000000FF", 255},
        {"-$FFFFFFFF", 1},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"$7FFFFFFF", 2147483647},
        {"$80000000", -2147483647 - 1},
        {"-$80000000", -2147483647 - 1},
        // The default: nothing, no digits, stray characters, out of range.
        {"", -99},
        {" ", -99},
        {"-", -99},
        {"$", -99},
        {"0x", -99},
        {"x", -99},
        {"3 ", -99},
        {"3x", -99},
        {"1.5", -99},
        {"\t3", -99},
        {"- 3", -99},
        {"--3", -99},
        {"$G", -99},
        {"$-1", -99},
        {"2147483648", -99},
        {"-2147483649", -99},
        {"+2147483648", -99},
        {"$100000000", -99},
        {"three", -99},
        {"99999999999999999999999", -99},
    };
    for (const auto& c : cases) EXPECT_EQ(StrToIntDef(c.text, -99), c.expected) << "\"" << c.text << "\"";
}

}  // namespace

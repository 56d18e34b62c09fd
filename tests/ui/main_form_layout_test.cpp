// The main window's radio-button layout and design scaling.
#include "ui/main_form_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(RadioButtonRectsTest, DesignGroupsGiveTheDescribedButtons) {
    const auto slots = RadioButtonRects(kSaveDataGroup.Bounds.Width, kSaveDataGroup.Bounds.Height, 12, 5);
    ASSERT_EQ(slots.size(), 5u);
    const std::int32_t tops[] = {15, 42, 69, 96, 123};
    for (std::size_t i = 0; i < slots.size(); ++i) {
        EXPECT_EQ(slots[i], (TBounds{8, tops[i], 199, 27})) << i;
    }
    const auto scenario = RadioButtonRects(kScenarioGroup.Bounds.Width, kScenarioGroup.Bounds.Height, 12, 1);
    ASSERT_EQ(scenario.size(), 1u);
    EXPECT_EQ(scenario[0], (TBounds{8, 13, 119, 139}));
}

TEST(RadioButtonRectsTest, OtherSizesAndEmptyGroups) {
    // 24-pixel text (192 dpi): the group doubled, I = 312 - 29 = 283.
    const auto large = RadioButtonRects(418, 312, 24, 5);
    ASSERT_EQ(large.size(), 5u);
    EXPECT_EQ(large[0], (TBounds{8, 25 + 1, 408, 56}));
    EXPECT_EQ(large[4].Top, 26 + 4 * 56);
    EXPECT_TRUE(RadioButtonRects(100, 100, 12, 0).empty());
}

TEST(ScaleDesignValueTest, RoundsHalfAwayFromZero) {
    struct Row {
        std::int32_t value, numerator, denominator, expected;
    };
    const Row rows[] = {
        {-12, 96, 96, -12}, {-12, 120, 96, -15}, {-12, 144, 96, -18}, {75, 15, 12, 94},
        {25, 15, 12, 31},   {-5, 1, 2, -3},      {5, 1, 2, 3},        {7, 1, 0, -1},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ScaleDesignValue(row.value, row.numerator, row.denominator), row.expected)
            << row.value << "*" << row.numerator << "/" << row.denominator;
    }
}

}  // namespace

// The main window's scaling for the screen's resolution.
#include "ui/form_scaling.h"

#include <gtest/gtest.h>

TEST(FormScaling, FontHeightFollowsPixelsPerInch) {
    struct {
        std::int32_t Dpi, Height;
    } const cases[] = {{96, -12}, {120, -15}, {144, -18}, {192, -24}, {72, -9}, {100, -13}};
    for (const auto& c : cases) EXPECT_EQ(ScaledFontHeight(c.Dpi), c.Height) << c.Dpi;
}

TEST(FormScaling, DesignScreenKeepsTheDesignLayoutWhateverTheFontMeasures) {
    EXPECT_EQ(LayoutTextHeight(96, 13), 12);
    EXPECT_EQ(LayoutTextHeight(120, 15), 15);
    EXPECT_EQ(LayoutTextHeight(144, 0), 12) << "a failed measurement falls back to the design";
}

TEST(FormScaling, BoundsScaleWithTheTextHeight) {
    EXPECT_EQ(ScaleBounds(kForm1Bounds, 12), kForm1Bounds);
    EXPECT_EQ(ScaleBounds(kForm1Bounds, 24), (TBounds{384, 214, 868, 594}));
    // 15/12: halves round away from zero, as the platform's MulDiv does.
    EXPECT_EQ(ScaleBounds(TBounds{2, 6, 434, 297}, 15), (TBounds{3, 8, 543, 371}));
}

TEST(FormScaling, SlotButtonsStillFillTheScaledGroup) {
    const std::int32_t textHeight = 18;  // 144 dpi
    const TBounds group = ScaleBounds(kSaveDataGroup.Bounds, textHeight);
    const auto rects = RadioButtonRects(group.Width, group.Height, textHeight, 5);
    ASSERT_EQ(rects.size(), 5u);
    EXPECT_GT(rects.front().Top, textHeight) << "below the caption";
    EXPECT_LE(rects.back().Top + rects.back().Height, group.Height);
    EXPECT_EQ(rects.front().Width, group.Width - 10);
}

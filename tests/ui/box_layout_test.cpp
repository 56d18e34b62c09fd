// Layout of the confirmation and information boxes: the parts never overlap,
// the button row is centred under the content, and the box fits its text.
#include "ui/box_layout.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr TBaseUnits kBase{6, 12};  // a 12-pixel message font

std::int32_t Right(const TBounds& b) { return b.Left + b.Width; }
std::int32_t Bottom(const TBounds& b) { return b.Top + b.Height; }

struct TLayoutCase {
    const char* Name;
    std::int32_t TextWidth;
    std::int32_t TextHeight;
    bool HasIcon;
    std::int32_t Buttons;
};

class BoxLayoutTest : public testing::TestWithParam<TLayoutCase> {};

TEST_P(BoxLayoutTest, PartsStayInsideAndApart) {
    const TLayoutCase& c = GetParam();
    const std::int32_t buttonWidth = BoxButtonWidth(30, kBase);
    const TBoxLayout layout = LayoutBox(c.TextWidth, c.TextHeight, c.HasIcon, c.Buttons, buttonWidth, kBase);

    ASSERT_EQ(layout.Buttons.size(), static_cast<std::size_t>(c.Buttons));
    EXPECT_EQ(layout.Text.Width, c.TextWidth);
    EXPECT_EQ(layout.Text.Height, c.TextHeight);
    EXPECT_LE(Right(layout.Text), layout.ClientWidth);
    EXPECT_GT(layout.Text.Left, 0);

    if (c.HasIcon) {
        EXPECT_EQ(layout.Icon.Width, 32);
        EXPECT_EQ(layout.Icon.Height, 32);
        EXPECT_LT(Right(layout.Icon), layout.Text.Left) << "text beside the icon, not over it";
        EXPECT_EQ(layout.Icon.Top, layout.Text.Top) << "icon at the top left";
    } else {
        EXPECT_EQ(layout.Icon.Width, 0);
    }

    const std::int32_t contentBottom = std::max(Bottom(layout.Text), c.HasIcon ? Bottom(layout.Icon) : 0);
    const TBounds& first = layout.Buttons.front();
    const TBounds& last = layout.Buttons.back();
    for (std::size_t i = 0; i < layout.Buttons.size(); ++i) {
        const TBounds& b = layout.Buttons[i];
        EXPECT_GT(b.Top, contentBottom) << "button " << i << " below text and icon";
        EXPECT_EQ(b.Top, first.Top) << "one row";
        EXPECT_EQ(b.Width, buttonWidth) << "equal widths";
        EXPECT_LT(Bottom(b), layout.ClientHeight);
        if (i > 0) {
            EXPECT_GT(b.Left, Right(layout.Buttons[i - 1])) << "buttons apart, left to right";
        }
    }
    EXPECT_GT(first.Left, 0);
    EXPECT_LE(std::abs(first.Left - (layout.ClientWidth - Right(last))), 1) << "row centred";
}

INSTANTIATE_TEST_SUITE_P(Boxes, BoxLayoutTest,
                         testing::Values(TLayoutCase{"ShortInformation", 60, 12, false, 1},
                                         TLayoutCase{"LongInformation", 600, 12, false, 1},
                                         TLayoutCase{"ShortQuestion", 80, 12, true, 2},
                                         TLayoutCase{"WrappedQuestionTallerThanIcon", 640, 96, true, 2},
                                         TLayoutCase{"EmptyText", 0, 12, false, 1}),
                         [](const testing::TestParamInfo<TLayoutCase>& param) {
                             return std::string(param.param.Name);
                         });

TEST(BoxLayout, WideTextWidensTheBoxAndNarrowTextKeepsRoomForButtons) {
    const std::int32_t buttonWidth = BoxButtonWidth(30, kBase);
    const TBoxLayout narrow = LayoutBox(10, 12, true, 2, buttonWidth, kBase);
    const TBoxLayout wide = LayoutBox(900, 12, true, 2, buttonWidth, kBase);
    EXPECT_GE(narrow.ClientWidth, 2 * buttonWidth) << "two buttons always fit";
    EXPECT_GT(wide.ClientWidth, 900);
    EXPECT_EQ(narrow.ClientHeight, wide.ClientHeight) << "one line either way";
}

TEST(BoxLayout, ButtonWidthHasAMinimumAndGrowsWithTheCaption) {
    EXPECT_EQ(BoxButtonWidth(10, kBase), 75);  // 50 units of a 6-pixel base
    EXPECT_EQ(BoxButtonWidth(100, kBase), 100 + 2 * 6);
}

TEST(BoxLayout, TextWrapsAtHalfTheScreen) {
    EXPECT_EQ(BoxTextWidthLimit(1280), 640);
    EXPECT_EQ(BoxTextWidthLimit(1025), 512);
    EXPECT_GT(BoxTextWidthLimit(0), 0) << "never a zero-width text area";
    EXPECT_EQ(BoxTextWidthLimit(0), 640) << "a screen of unknown width";
}

TEST(BoxLayout, CentredOnTheScreenOrOverAWindowAndKeptOnIt) {
    constexpr TBounds kScreen{0, 0, 1280, 1024};
    constexpr TBounds kWindow{192, 107, 434, 297};  // the main window where it was designed
    struct {
        std::int32_t Width, Height;
        TBounds Area;
        TBounds Expected;
        TBounds Over{};  // the window it opens over; none: the area's centre
    } const cases[] = {
        {200, 100, kScreen, {540, 462, 200, 100}},
        {201, 101, kScreen, {539, 461, 201, 101}},
        {2000, 1500, kScreen, {0, 0, 1280, 1024}},             // larger than the screen: capped, all of it on it
        {200, 100, {0, 32, 1280, 992}, {540, 478, 200, 100}},  // below a top panel
        {406, 298, {0, 0, 640, 400}, {117, 51, 406, 298}},     // scale 2 on 1280x800
        {200, 100, {0, 0, 3840, 2160}, {309, 205, 200, 100}, kWindow},
        {200,
         100,
         kScreen,
         {1080, 924, 200, 100},
         {1100, 900, 434, 297}},                                        // a window at the corner: kept on the screen
        {200, 100, kScreen, {0, 0, 200, 100}, {-300, -200, 434, 297}},  // a window partly off the screen
    };
    for (const auto& c : cases) {
        if (c.Over.Width == 0) {
            EXPECT_EQ(CentreInArea(c.Width, c.Height, c.Area), c.Expected) << c.Width;
        }
        const TBounds over = c.Over.Width == 0 ? c.Area : c.Over;
        EXPECT_EQ(CentreOver(c.Width, c.Height, over, c.Area), c.Expected) << c.Width << " " << c.Over.Left;
    }
}

TEST(BoxLayout, AGrownBoxStaysInTheArea) {
    constexpr TBounds kArea{0, 0, 640, 400};  // 1280x800 at scale 2
    struct {
        TBounds Box;
        TBounds Expected;
    } const cases[] = {
        {{117, 150, 406, 298}, {117, 102, 406, 298}},  // the details unfolded below the bottom edge
        {{117, 51, 406, 298}, {117, 51, 406, 298}},    // fits: stays
        {{117, 51, 406, 500}, {117, 0, 406, 400}},     // taller than the area: capped
    };
    for (const auto& c : cases) EXPECT_EQ(KeepInArea(c.Box, kArea), c.Expected) << c.Box.Top;
}

}  // namespace

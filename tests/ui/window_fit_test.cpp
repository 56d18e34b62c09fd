// The main window's first place: designed where it fits, moved just enough where not.
#include "ui/window_fit.h"

#include <gtest/gtest.h>

TEST(WindowFit, MovesOnlyAsFarAsTheAvailableAreaNeeds) {
    constexpr TBounds kScreen{0, 0, 1280, 800};
    constexpr TBounds kBelowPanel{0, 32, 1280, 768};  // a top panel of 32 pixels
    struct {
        TBounds Window;
        TBounds Area;
        TBounds Expected;
    } const cases[] = {
        {{192, 107, 434, 297}, kScreen, {192, 107, 434, 297}},                // fits: the designed place
        {{384, 214, 868, 594}, kScreen, {384, 206, 868, 594}},                // scale 2: the bottom edge was 8 off
        {{400, 300, 900, 600}, kScreen, {380, 200, 900, 600}},                // right and bottom edges off
        {{192, 0, 434, 297}, kBelowPanel, {192, 32, 434, 297}},               // under the top panel
        {{192, 107, 434, 297}, {1280, 0, 1024, 768}, {1280, 107, 434, 297}},  // a second screen's left edge
        {{-50, -20, 434, 297}, kScreen, {0, 0, 434, 297}},                    // left of and above the screen
        {{192, 107, 1400, 900}, kBelowPanel, {0, 32, 1400, 900}},             // larger than the area: top left kept
        {{846, 503, 434, 297}, kScreen, {846, 503, 434, 297}},                // ends exactly at the corner
    };
    for (const auto& c : cases) {
        const TBounds got = FitWindowToArea(c.Window, c.Area);
        EXPECT_EQ(got, c.Expected) << c.Window.Left << "," << c.Window.Top << " " << c.Window.Width << "x"
                                   << c.Window.Height << " -> " << got.Left << "," << got.Top;
    }
}

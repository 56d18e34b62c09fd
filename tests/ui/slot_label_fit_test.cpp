// The slot group's width for its labels: grows by what the widest label
// lacks, carries Quit and the window along, never shrinks below the design.
#include "ui/slot_label_fit.h"

#include <gtest/gtest.h>

#include "ui/form_scaling.h"

namespace {

std::int32_t Right(const TBounds& b) { return b.Left + b.Width; }

TEST(SlotLabelFit, GrowsByWhatTheWidestLabelLacksAndNeverShrinks) {
    struct Row {
        const char* Name;
        std::int32_t TextHeight;
        std::int32_t Needed;  // the widest label plus the check mark
        std::int32_t Growth;
    };
    // At the design's text height a slot button is 209 - 10 = 199 pixels wide;
    // at 18 pixels (144 dpi) the group is 314 and the button 304.
    const Row rows[] = {
        {"no label yet", 12, 0, 0},
        {"Japanese date, room to spare", 12, 150, 0},
        {"exactly the button", 12, 199, 0},
        {"one pixel more", 12, 200, 1},
        {"English date", 12, 262, 63},
        {"scaled screen, fits", 18, 304, 0},
        {"scaled screen, too wide", 18, 350, 46},
    };
    for (const Row& row : rows) {
        const TBounds group = ScaleBounds(kSaveDataGroup.Bounds, row.TextHeight);
        const TBounds quit = ScaleBounds(kButton3.Bounds, row.TextHeight);
        const std::int32_t window = ScaleBounds(kForm1Bounds, row.TextHeight).Width;
        const TSlotLabelFit fit = FitSlotLabels(row.Needed, group, quit, window, row.TextHeight);

        EXPECT_EQ(fit.Growth, row.Growth) << row.Name;
        EXPECT_EQ(fit.Group, (TBounds{group.Left, group.Top, group.Width + row.Growth, group.Height})) << row.Name;
        EXPECT_EQ(fit.WindowWidth, window + row.Growth) << row.Name;
        EXPECT_EQ(fit.Quit.Width, quit.Width) << row.Name;
        EXPECT_EQ(fit.Quit.Top, quit.Top) << row.Name;
        EXPECT_EQ(Right(fit.Quit) - Right(fit.Group), Right(quit) - Right(group))
            << row.Name << ": Quit's right edge keeps its place beside the group's";
        const TBounds button = RadioButtonRects(fit.Group.Width, fit.Group.Height, row.TextHeight, 5).front();
        EXPECT_GE(button.Width, row.Needed) << row.Name << ": the widest label fits its button";
    }
}

}  // namespace

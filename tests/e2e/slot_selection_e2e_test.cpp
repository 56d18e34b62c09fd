// Slot clicks on the real program: a used slot is taken, an empty one is
// refused and the selection falls back to the last accepted slot.
#include "e2e/kasumiro_fixture.h"
#include "e2e/window_driver.h"

namespace e2e {
namespace {

TEST_F(KasumiroTest, ClickingAnEmptySlotFallsBackToTheLastAcceptedSlot) {
    // Slots 0 and 2 used, 1, 3 and 4 empty; slot 0 stored.
    MakeGameAndSettings({TSlotTime{2000, 1, 2, 3, 4}, std::nullopt, TSlotTime{2000, 1, 2, 3, 5}}, 0);
    Launch();
    const TMainWindow main = WaitForMainWindow();
    ASSERT_TRUE(main.Window);
    ASSERT_EQ(0, CheckedIndex(main.SlotItems));

    const struct {
        int Clicked;
        int Selected;
    } steps[] = {
        {2, 2},  // used: taken
        {1, 2},  // empty: refused, back to 2
        {3, 2},  // empty: refused, back to 2
        {0, 0},  // used: taken
        {4, 0},  // empty: refused, back to 0
        {0, 0},  // already selected: nothing changes
    };
    for (const auto& step : steps) {
        ASSERT_TRUE(SendClick(main.SlotItems[step.Clicked]))
            << "the program did not answer a click on slot " << step.Clicked;
        const bool settled = WaitUntil([&] { return CheckedIndex(main.SlotItems) == step.Selected; }, 3000);
        EXPECT_TRUE(settled) << "after a click on slot " << step.Clicked << " expected slot " << step.Selected
                             << " selected, found " << CheckedIndex(main.SlotItems) << "\n"
                             << Windows();
    }
    EXPECT_FALSE(OtherWindowAppears(500)) << "a refused click beeps and shows no box:\n" << Windows();

    // The scenario stays selected when clicked.
    ASSERT_TRUE(SendClick(main.ScenarioItems[0]));
    EXPECT_EQ(0, CheckedIndex(main.ScenarioItems));

    ASSERT_TRUE(PostClose(main.Window));
    ExpectCleanExit();
    EXPECT_EQ(Stored(0), SettingsLines(IniPath));
}

}  // namespace
}  // namespace e2e

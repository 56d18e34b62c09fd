// Slot clicks on the real program: a used slot is taken, an empty one is
// refused and the selection falls back to the last accepted slot; the focus
// moving by key, click and box, with the default-button look following it.
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

// Whether the button looks like the default one, once the program has
// handled the focus change that the test sees first.
bool LooksDefault(HWND button, bool expected) {
    const auto looks = [button] { return (GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON; };
    WaitUntil([&] { return looks() == expected; }, 3000);
    return looks();
}

// The focused push button looks like the default one and Enter presses it,
// whether the focus came by Tab, by a click or back from a closed box; with
// the focus on a slot no button does.
TEST_F(KasumiroTest, TheDefaultButtonLookAndEnterFollowTheFocus) {
    MakeGameAndSettings({TSlotTime{2000, 1, 2, 3, 4}, TSlotTime{2000, 1, 2, 3, 5}}, 0);
    Launch();
    const TMainWindow main = WaitForMainWindow();
    ASSERT_TRUE(main.Window);
    const auto focusOn = [&](HWND control) { return WaitUntil([&] { return FocusOf(main.Window) == control; }, 3000); };
    for (HWND next : {main.SlotItems[0], main.ExecuteButton, main.SettingsButton}) {
        ASSERT_TRUE(PostKey(FocusOf(main.Window), VK_TAB));
        ASSERT_TRUE(focusOn(next)) << Windows();
    }
    EXPECT_TRUE(LooksDefault(main.SettingsButton, true));

    ASSERT_TRUE(PostMouseClick(main.SlotItems[1], POINT{4, 4}));
    ASSERT_TRUE(focusOn(main.SlotItems[1])) << Windows();
    for (HWND button : {main.ExecuteButton, main.SettingsButton, main.QuitButton}) {
        EXPECT_FALSE(LooksDefault(button, false))
            << WindowText(button) << " looks like the default with a slot focused";
    }

    ASSERT_TRUE(PostMouseClick(main.ExecuteButton, POINT{4, 4}));
    for (int time = 0; time < 2; ++time) {
        const HWND confirm = WaitForBox(kConfirmText);
        ASSERT_TRUE(confirm) << "Enter on the focused 実行 asks as a click does\n" << Windows();
        Answer(confirm, "いいえ(&N)");
        ASSERT_TRUE(focusOn(main.ExecuteButton)) << Windows();
        EXPECT_TRUE(LooksDefault(main.ExecuteButton, true));
        if (time == 0) {
            ASSERT_TRUE(PostKey(main.ExecuteButton, VK_RETURN));
        }
    }
    EXPECT_EQ(1, CheckedIndex(main.SlotItems));
    Quit(main);
}

}  // namespace
}  // namespace e2e

// The show state the program is started with decides how its window first
// appears: maximised, minimised to the task bar, or at its designed place.
#include "e2e/kasumiro_fixture.h"
#include "e2e/window_driver.h"
#include "ui/main_form_layout.h"

namespace e2e {
namespace {

enum class TShown { AtDesignedPlace, Maximised, Minimised };

struct TShowCase {
    const char* Name;
    WORD ShowState;
    TShown Shown;
};

class ShowStateTest : public KasumiroTest, public testing::WithParamInterface<TShowCase> {};

TEST_P(ShowStateTest, FirstShowFollowsTheStartState) {
    MakeGameAndSettings({TSlotTime{2006, 6, 6, 6, 6}}, 0);
    Launch(GetParam().ShowState);
    const HWND main = WaitForMainWindowMade();
    ASSERT_TRUE(main);
    switch (GetParam().Shown) {
    case TShown::AtDesignedPlace: {
        ASSERT_TRUE(WaitUntil([&] { return IsVisibleWindow(main); })) << Windows();
        EXPECT_FALSE(IsIconic(main));
        EXPECT_FALSE(IsZoomed(main));
        const RECT frame = ScreenRect(main);
        EXPECT_EQ(192, frame.left);
        EXPECT_EQ(107, frame.top);
        // Wider by as much as the slot group grew for a long date (an English one).
        const RECT group = ScreenRect(WaitForMainWindow().SaveDataGroup);
        EXPECT_EQ(434 + (group.right - group.left) - kSaveDataGroup.Bounds.Width, frame.right - frame.left);
        EXPECT_EQ(297, frame.bottom - frame.top);
        break;
    }
    case TShown::Maximised:
        EXPECT_TRUE(WaitUntil([&] { return IsVisibleWindow(main) && IsZoomed(main); }))
            << "expected the main window maximised:\n"
            << Windows();
        break;
    case TShown::Minimised:
        // Give the program time to show whatever it would show.
        Sleep(1000);
        EXPECT_TRUE(IsIconic(main) || !IsWindowVisible(main)) << "expected only the task-bar entry:\n" << Windows();
        break;
    }
    // Minimised, only the task-bar entry is there to close.
    ASSERT_TRUE(PostClose(GetParam().Shown == TShown::Minimised ? TaskBarEntry() : main));
    ExpectCleanExit();
    EXPECT_EQ(Stored(0), SettingsLines(IniPath));
}

INSTANTIATE_TEST_SUITE_P(Kasumiro, ShowStateTest,
                         testing::Values(TShowCase{"Normal", SW_SHOWNORMAL, TShown::AtDesignedPlace},
                                         TShowCase{"Default", SW_SHOWDEFAULT, TShown::AtDesignedPlace},
                                         TShowCase{"Maximised", SW_SHOWMAXIMIZED, TShown::Maximised},
                                         TShowCase{"MinimisedWithoutFocus", SW_SHOWMINNOACTIVE, TShown::Minimised}),
                         CaseName<TShowCase>);

}  // namespace
}  // namespace e2e

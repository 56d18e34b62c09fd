// Every way of closing the real program ends it with exit code 0 and stores
// the selected slot.
#include "e2e/kasumiro_fixture.h"
#include "e2e/window_driver.h"

namespace e2e {
namespace {

enum class TQuitWay { QuitButton, CloseMessage, SystemMenuClose };

struct TQuitCase {
    const char* Name;
    TQuitWay Way;
};

class QuitTest : public KasumiroTest, public testing::WithParamInterface<TQuitCase> {};

TEST_P(QuitTest, EndsWithExitCodeZeroAndStoresTheSelectedSlot) {
    MakeGameAndSettings({TSlotTime{1999, 9, 9, 9, 9}, TSlotTime{1999, 9, 9, 9, 10}, TSlotTime{1999, 9, 9, 9, 11}}, 0);
    Launch();
    const TMainWindow main = WaitForMainWindow();
    ASSERT_TRUE(main.Window);
    ASSERT_TRUE(SendClick(main.SlotItems[2]));
    ASSERT_TRUE(WaitUntil([&] { return CheckedIndex(main.SlotItems) == 2; }, 3000)) << Windows();

    switch (GetParam().Way) {
    case TQuitWay::QuitButton: PostClick(main.QuitButton); break;
    case TQuitWay::CloseMessage: PostClose(main.Window); break;
    case TQuitWay::SystemMenuClose: PostMessageA(main.Window, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    }
    ExpectCleanExit();
    const std::vector<std::string> expected = {"[Kasumiro]", "BaseDir=" + GameDir, "SaveData=2"};
    EXPECT_EQ(expected, SettingsLines(IniPath));
}

INSTANTIATE_TEST_SUITE_P(Kasumiro, QuitTest,
                         testing::Values(TQuitCase{"QuitButton", TQuitWay::QuitButton},
                                         TQuitCase{"CloseMessage", TQuitWay::CloseMessage},
                                         TQuitCase{"SystemMenuClose", TQuitWay::SystemMenuClose}),
                         [](const testing::TestParamInfo<TQuitCase>& param) { return param.param.Name; });

}  // namespace
}  // namespace e2e

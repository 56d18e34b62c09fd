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
    case TQuitWay::QuitButton: ASSERT_TRUE(PostClick(main.QuitButton)); break;
    case TQuitWay::CloseMessage: ASSERT_TRUE(PostClose(main.Window)); break;
    case TQuitWay::SystemMenuClose:
        ASSERT_TRUE(IsPressable(main.Window));
        PostMessageA(main.Window, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    }
    ExpectCleanExit();
    EXPECT_EQ(Stored(2), SettingsLines(IniPath));
}

INSTANTIATE_TEST_SUITE_P(Kasumiro, QuitTest,
                         testing::Values(TQuitCase{"QuitButton", TQuitWay::QuitButton},
                                         TQuitCase{"CloseMessage", TQuitWay::CloseMessage},
                                         TQuitCase{"SystemMenuClose", TQuitWay::SystemMenuClose}),
                         CaseName<TQuitCase>);

// A settings file that cannot be written: quitting reports it in the error
// box, still ends with exit code 0 and leaves the file as it was.
TEST_F(KasumiroTest, QuitWithAReadOnlySettingsFileReportsItAndStillEnds) {
    if (!ReadOnlyFilesAreRefusedHere(Folder.Path()))
        GTEST_SKIP() << "read-only files can be written here (Wine run by root)";
    MakeGameAndSettings({TSlotTime{1999, 9, 9, 9, 9}, std::nullopt, TSlotTime{1999, 9, 9, 9, 11}}, 0);
    const std::optional<std::string> settings = TryReadFileBytes(IniPath);
    SetFileAttributesA(IniPath.c_str(), FILE_ATTRIBUTE_READONLY);
    Launch();
    const TMainWindow main = WaitForMainWindow();
    ASSERT_TRUE(main.Window);
    ASSERT_TRUE(SendClick(main.SlotItems[2]));
    ASSERT_TRUE(PostClick(main.QuitButton));

    const HWND error = WaitForBox(IniPath + " に書き込めません.");
    ASSERT_TRUE(error);
    EXPECT_EQ("Kasumiro", WindowText(error));
    EXPECT_FALSE(MainWindowVisible()) << "the window is gone before the settings are stored";
    ASSERT_TRUE(PostClick(FindDescendantById(error, IDOK)));
    ExpectCleanExit();
    EXPECT_EQ("", FileDifference(settings, TryReadFileBytes(IniPath)));
}

}  // namespace
}  // namespace e2e

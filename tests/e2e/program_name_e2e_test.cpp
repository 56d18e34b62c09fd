// The program's file name decides its title (the caption of its boxes) and
// the name of the settings file beside it.
#include "e2e/kasumiro_fixture.h"
#include "e2e/window_driver.h"

namespace e2e {
namespace {

struct TNameCase {
    const char* Name;
    const char* ExeName;
    const char* IniName;
    const char* Title;
};

class ProgramNameTest : public KasumiroTest, public testing::WithParamInterface<TNameCase> {};

TEST_P(ProgramNameTest, TitleAndSettingsFileFollowTheFileName) {
    const std::string renamed = AppDir + GetParam().ExeName;
    ASSERT_TRUE(MoveFileA(ExePath.c_str(), renamed.c_str()));
    ExePath = renamed;
    IniPath = AppDir + GetParam().IniName;
    MakeGameAndSettings({std::nullopt, std::nullopt, TSlotTime{2008, 8, 8, 8, 8}}, 2);
    Launch();
    const TMainWindow main = WaitForMainWindow();
    ASSERT_TRUE(main.Window);
    EXPECT_EQ(2, CheckedIndex(main.SlotItems)) << "the settings file " << IniPath << " was not read";
    EXPECT_EQ("Kasumiro", WindowText(main.Window)) << "the main window's caption does not follow the file name";

    const HWND done = ExecuteConfirmed(main);
    ASSERT_TRUE(done);
    EXPECT_EQ(GetParam().Title, WindowText(done));
    Answer(done, "OK");

    ASSERT_TRUE(SendClick(main.SlotItems[0]));  // empty: falls back to slot 2
    Quit(main);
    EXPECT_EQ(Stored(2), SettingsLines(IniPath));
}

INSTANTIATE_TEST_SUITE_P(Kasumiro, ProgramNameTest,
                         testing::Values(TNameCase{"UpperCase", "KASUMIRO.EXE", "KASUMIRO.ini", "Kasumiro"},
                                         TNameCase{"TwoDots", "Kasumiro.old.exe", "Kasumiro.old.ini", "Kasumiro"},
                                         TNameCase{"LowerCase", "kasu.exe", "kasu.ini", "kasu"}),
                         CaseName<TNameCase>);

}  // namespace
}  // namespace e2e

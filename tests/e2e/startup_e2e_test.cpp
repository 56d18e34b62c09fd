// Start-up of the real program: the folder chooser at a first start, and the
// slot labels and the restored slot of a start with a stored game folder.
#include "e2e/kasumiro_fixture.h"
#include "e2e/window_driver.h"

namespace e2e {
namespace {

const std::vector<std::string> kDesignLabels = {"LOG1.DAT", "LOG2.DAT", "LOG3.DAT", "LOG4.DAT", "LOG5.DAT"};

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }
bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// A cancelled first choice leaves no game folder: the paths are relative, so
// Execute works on NEW.DAT and the slot folder in the program's working folder.
TEST_F(KasumiroTest, FirstStartAsksForTheFolderAndCancelLeavesTheWorkingFolder) {
    MakeGameFolder(AppDir, {});
    Launch();
    const HWND chooser = WaitForChooser();
    ASSERT_TRUE(chooser);
    EXPECT_FALSE(MainWindowVisible()) << "the main window must not show while the first folder choice is open";
    ASSERT_TRUE(PostClick(FindDescendantById(chooser, IDCANCEL)));

    const TMainWindow main = WaitForMainWindow();
    ASSERT_TRUE(main.Window);
    EXPECT_EQ("Kasumiro", WindowText(main.Window));
    EXPECT_EQ(kDesignLabels, Labels(main.SlotItems));
    EXPECT_EQ(-1, CheckedIndex(main.SlotItems)) << "no slot may be selected";
    EXPECT_EQ(std::vector<std::string>{"NEW.DAT"}, Labels(main.ScenarioItems));
    EXPECT_EQ(0, CheckedIndex(main.ScenarioItems));
    EXPECT_FALSE(OtherWindowAppears()) << Windows();
    Quit(main);
    EXPECT_EQ((std::vector<std::string>{"[Kasumiro]", "SaveData=-1"}), SettingsLines(IniPath))
        << "quitting after a cancelled first choice stores only the slot";

    // Still no folder stored, so the next start asks again.
    Launch();
    const HWND again = WaitForChooser();
    ASSERT_TRUE(again);
    ASSERT_TRUE(PostClick(FindDescendantById(again, IDCANCEL)));
    const TMainWindow second = WaitForMainWindow();
    ASSERT_TRUE(second.Window);
    ASSERT_TRUE(SendClick(second.SlotItems[1]));
    ASSERT_TRUE(WaitUntil([&] { return CheckedIndex(second.SlotItems) == 1; }, 3000)) << Windows();
    const HWND done = ExecuteConfirmed(second);
    ASSERT_TRUE(done);
    EXPECT_EQ("", FileDifference(RewrittenSaveOfficerFile(), TryReadFileBytes(SlotFolder(AppDir, 1) + "BUSYO21.BIN")));
    EXPECT_EQ("", FileDifference(SaveOfficerFile(), TryReadFileBytes(SlotFolder(AppDir, 0) + "BUSYO21.BIN")));
    Answer(done, "OK");
    Quit(second);
}

TEST_F(KasumiroTest, StoredFolderShowsSlotTimesAndEmptySlots) {
    MakeGameAndSettings({TSlotTime{1998, 4, 3, 21, 5}, std::nullopt, TSlotTime{2001, 12, 24, 9, 5}, std::nullopt,
                         TSlotTime{2010, 1, 1, 0, 0}},
                        2);
    Launch();
    const TMainWindow main = WaitForMainWindow();
    ASSERT_TRUE(main.Window);
    EXPECT_FALSE(OtherWindowAppears()) << "a stored folder must not open the chooser:\n" << Windows();
    EXPECT_TRUE(FindDescendantByText(main.Window, "セーブデータを選択して実行ボタンをクリックして下さい", "Static"))
        << Windows();

    const std::vector<std::string> labels = Labels(main.SlotItems);
    // The long date follows the locale (with or without the day name), so only
    // its year, month and day are checked here.
    struct {
        int Slot;
        TSlotTime Time;
        const char* Clock;
    } used[] = {{0, {1998, 4, 3, 21, 5}, " 21:05"},
                {2, {2001, 12, 24, 9, 5}, " 09:05"},
                {4, {2010, 1, 1, 0, 0}, " 00:00"}};
    for (const auto& slot : used) {
        const std::string& label = labels[slot.Slot];
        const std::string name = "LOG" + std::to_string(slot.Slot + 1) + ".DAT  ";
        EXPECT_TRUE(StartsWith(label, name)) << "label of slot " << slot.Slot << ": " << label;
        EXPECT_NE(std::string::npos, label.find(ShownDate(slot.Time)))
            << "label of slot " << slot.Slot << ": " << label;
        EXPECT_TRUE(EndsWith(label, slot.Clock)) << "label of slot " << slot.Slot << ": " << label;
    }
    EXPECT_EQ("LOG2.DAT  ---", labels[1]);
    EXPECT_EQ("LOG4.DAT  ---", labels[3]);
    EXPECT_EQ(2, CheckedIndex(main.SlotItems));
    Quit(main);
}

struct TStoredSlotCase {
    const char* Name;
    int Stored;
    int Selected;
};

class StoredSlotTest : public KasumiroTest, public testing::WithParamInterface<TStoredSlotCase> {};

// The stored slot is selected even when it is empty now, an index past the
// end selects the last slot, and quitting stores what is selected. Execute
// without a selected slot only beeps.
TEST_P(StoredSlotTest, RestoresTheStoredSlotAndStoresItAgainOnQuit) {
    MakeGameAndSettings({TSlotTime{2003, 5, 6, 7, 8}, std::nullopt, std::nullopt, TSlotTime{2003, 5, 6, 7, 9}},
                        GetParam().Stored);
    Launch();
    const TMainWindow main = WaitForMainWindow();
    ASSERT_TRUE(main.Window);
    EXPECT_EQ(GetParam().Selected, CheckedIndex(main.SlotItems));
    if (GetParam().Selected == -1) {
        ASSERT_TRUE(PostClick(main.ExecuteButton));
        EXPECT_FALSE(OtherWindowAppears(1000)) << "Execute without a slot only beeps:\n" << Windows();
    }
    Quit(main);
    EXPECT_EQ(Stored(GetParam().Selected), SettingsLines(IniPath));
}

INSTANTIATE_TEST_SUITE_P(Kasumiro, StoredSlotTest,
                         testing::Values(TStoredSlotCase{"UsedSlot", 3, 3}, TStoredSlotCase{"EmptySlot", 1, 1},
                                         TStoredSlotCase{"PastTheEnd", 7, 4}, TStoredSlotCase{"Negative", -5, -1}),
                         CaseName<TStoredSlotCase>);

}  // namespace
}  // namespace e2e

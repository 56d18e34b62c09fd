// The Execute flow of the real program: the confirmation box, the rewrite of
// the selected slot's officer file, the information box and I/O errors.
#include <algorithm>
#include <functional>

#include "backup/save_backup.h"
#include "common/durable_file.h"
#include "e2e/kasumiro_fixture.h"
#include "e2e/window_driver.h"

namespace e2e {
namespace {

class ExecuteTest : public KasumiroTest {
protected:
    void StartWithSlot(int stored) {
        MakeGameAndSettings({TSlotTime{2002, 2, 2, 2, 2}, TSlotTime{2002, 2, 2, 2, 3}}, stored);
        Launch();
        Main = WaitForMainWindow();
    }

    HWND Confirm() {
        if (!PostClick(Main.ExecuteButton)) return nullptr;
        return WaitForBox(kConfirmText);
    }

    // Execute answered はい up to the information box, which is then dismissed.
    void ExecuteToCompletion() {
        const HWND done = ExecuteConfirmed(Main);
        ASSERT_TRUE(done);
        Answer(done, "OK");
    }

    std::optional<std::string> SaveFile(int slot) {
        return TryReadFileBytes(SlotFolder(GameDir, slot) + "BUSYO21.BIN");
    }

    TMainWindow Main;
};

TEST_F(ExecuteTest, ConfirmedExecuteRewritesTheSelectedSlotOnly) {
    StartWithSlot(1);
    ASSERT_TRUE(Main.Window);
    const HWND confirm = Confirm();
    ASSERT_TRUE(confirm);
    EXPECT_EQ("確認", WindowText(confirm));
    EXPECT_TRUE(FindDescendantByText(confirm, "いいえ(&N)", "Button")) << Windows();
    EXPECT_FALSE(IsWindowEnabled(Main.Window)) << "the main window takes no input while a box is open";
    Answer(confirm, "はい(&Y)");

    const HWND done = WaitForBox(kDoneText);
    ASSERT_TRUE(done);
    EXPECT_EQ("Kasumiro", WindowText(done)) << "the information box's caption is the application title";
    // The rewrite has finished before the box shows.
    EXPECT_EQ("", FileDifference(RewrittenSaveOfficerFile(), SaveFile(1)));
    EXPECT_EQ("", FileDifference(SaveOfficerFile(), SaveFile(0))) << "another slot was written";
    EXPECT_EQ("", FileDifference(ScenarioOfficerFile(), TryReadFileBytes(GameDir + "NEW.DAT\\BUSYO21.BIN")))
        << "the scenario was written";
    Answer(done, "OK");
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(Main.Window) != 0; }, 3000))
        << "the main window takes input again once the box has closed";

    // A second run stores the same names again.
    ExecuteToCompletion();
    EXPECT_EQ("", FileDifference(RewrittenSaveOfficerFile(), SaveFile(1)));

    Quit(Main);
}

// Execute keeps a backup unseen, under %LOCALAPPDATA% and not in the game
// folder; 元に戻す in the system menu puts it back, is greyed once there is
// nothing left to undo, and refuses once the game has saved over the slot.
TEST_F(ExecuteTest, SystemMenuUndoRestoresTheUnseenBackup) {
    StartWithSlot(1);
    ASSERT_TRUE(Main.Window);
    const std::string savePath = SlotFolder(GameDir, 1) + "BUSYO21.BIN";
    const auto gameEntries = [&] {
        std::vector<std::string> entries = FolderEntries(GameDir);
        for (const std::string& name : FolderEntries(SlotFolder(GameDir, 1))) entries.push_back("LOG2.DAT\\" + name);
        std::sort(entries.begin(), entries.end());
        return entries;
    };
    const std::vector<std::string> entriesBefore = gameEntries();
    // Greyed while the slot has no backup: its key does nothing.
    ASSERT_TRUE(PostSystemMenuKey(Main.Window, 'U'));
    EXPECT_FALSE(OtherWindowAppears(1000)) << Windows();
    for (int i = 0; i < 2; ++i) PostMessageA(Main.Window, WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_TRUE(WaitUntil([&] { return !WaitForTopLevel(App->Id(), IsMenuWindow, 0); }, 3000)) << "the menu stays open";
    ExecuteToCompletion();
    EXPECT_EQ("", FileDifference(RewrittenSaveOfficerFile(), SaveFile(1)));
    EXPECT_EQ(entriesBefore, gameEntries()) << "the game folder got a new file";

    const std::vector<TSaveBackup> backups = ListSaveBackups(GameDir, "LOG2.DAT");
    ASSERT_EQ(1U, backups.size());
    char localAppData[MAX_PATH] = "";
    GetEnvironmentVariableA("LOCALAPPDATA", localAppData, MAX_PATH);
    EXPECT_EQ(0U, backups[0].Path.find(std::string(localAppData) + "\\Kasumiro\\backups\\")) << backups[0].Path;
    EXPECT_EQ("", FileDifference(SaveOfficerFile(), TryReadFileBytes(backups[0].Path)));

    ASSERT_TRUE(PostSystemMenuKey(Main.Window, 'U'));
    const HWND restored = WaitForBox("元に戻しました.");
    ASSERT_TRUE(restored) << Windows();
    Answer(restored, "OK");
    EXPECT_EQ("", FileDifference(SaveOfficerFile(), SaveFile(1)));
    // Nothing is left to undo: the item is greyed again, and its key does nothing.
    ASSERT_TRUE(PostSystemMenuKey(Main.Window, 'U'));
    EXPECT_FALSE(OtherWindowAppears(1000)) << "a second undo was offered:\n" << Windows();
    for (int i = 0; i < 2; ++i) PostMessageA(Main.Window, WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_TRUE(WaitUntil([&] { return !WaitForTopLevel(App->Id(), IsMenuWindow, 0); }, 3000)) << "the menu stays open";

    std::string progress = SaveOfficerFile();
    progress[0] = static_cast<char>(progress[0] ^ 1);
    WriteFileBytes(savePath, progress);
    ASSERT_TRUE(PostSystemMenuKey(Main.Window, 'U'));
    const HWND refused = WaitForBox("セーブデータが書き換えの後に変更されています.");
    ASSERT_TRUE(refused) << Windows();
    Answer(refused, "OK");
    EXPECT_EQ("", FileDifference(progress, SaveFile(1))) << "the game's newer progress was overwritten";
    Quit(Main);
}

// The task-bar entry is one of the program's windows: while a box is open it
// takes no input either, so its Close neither quits nor ends the box.
TEST_F(ExecuteTest, TaskBarCloseWhileTheBoxIsOpenDoesNothing) {
    StartWithSlot(1);
    ASSERT_TRUE(Main.Window);
    const HWND application = TaskBarEntry();
    ASSERT_TRUE(application);
    const HWND confirm = Confirm();
    ASSERT_TRUE(confirm);
    EXPECT_FALSE(IsWindowEnabled(application)) << "the task-bar entry takes no input while a box is open";

    // The task bar sends its Close whatever state the window is in, so this
    // message goes out unchecked: the program must ignore it.
    PostMessageA(application, WM_SYSCOMMAND, SC_CLOSE, 0);
    Sleep(1000);
    EXPECT_TRUE(App->IsRunning()) << "Close on the task-bar entry quit the program behind the box";
    EXPECT_TRUE(IsVisibleWindow(confirm)) << Windows();
    if (IsVisibleWindow(confirm)) Answer(confirm, "いいえ(&N)");
    EXPECT_FALSE(OtherWindowAppears(1000)) << "no box may follow a declined confirmation:\n" << Windows();
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(application) != 0; }, 3000))
        << "the task-bar entry takes input again once the box has closed";
    EXPECT_EQ("", FileDifference(SaveOfficerFile(), SaveFile(1)));

    ASSERT_TRUE(IsPressable(application));
    PostMessageA(application, WM_SYSCOMMAND, SC_CLOSE, 0);
    ExpectCleanExit();
}

// Windows ending the session while the confirmation box is open stops the
// program; the box counts as closed, so nothing is rewritten.
TEST_F(ExecuteTest, SessionEndWhileConfirmingRewritesNothing) {
    StartWithSlot(1);
    ASSERT_TRUE(Main.Window);
    const HWND confirm = Confirm();
    ASSERT_TRUE(confirm);

    PostMessageA(Main.Window, WM_ENDSESSION, TRUE, 0);
    ExpectCleanExit();
    EXPECT_EQ("", FileDifference(SaveOfficerFile(), SaveFile(1)));
    EXPECT_EQ(Stored(1), SettingsLines(IniPath));
}

struct TAnswerCase {
    const char* Name;
    std::function<bool(HWND)> Answer;  // false when it could not be given
    bool Rewrites;
};

HWND BoxButton(HWND box, const char* text) { return FindDescendantByText(box, text, "Button"); }

class AnswerTest : public ExecuteTest, public testing::WithParamInterface<TAnswerCase> {};

// Only はい, clicked or taken as the default by Enter, lets the rewrite run.
TEST_P(AnswerTest, OnlyYesRewrites) {
    StartWithSlot(0);
    ASSERT_TRUE(Main.Window);
    const HWND confirm = Confirm();
    ASSERT_TRUE(confirm);
    ASSERT_TRUE(GetParam().Answer(confirm));
    EXPECT_TRUE(WaitUntilGone(confirm)) << Windows();
    if (GetParam().Rewrites) {
        const HWND done = WaitForBox(kDoneText);
        ASSERT_TRUE(done);
        EXPECT_EQ("", FileDifference(RewrittenSaveOfficerFile(), SaveFile(0)));
        ASSERT_TRUE(PostKey(BoxButton(done, "OK"), VK_ESCAPE));
        EXPECT_TRUE(WaitUntilGone(done)) << "Esc dismisses the information box:\n" << Windows();
    } else {
        EXPECT_FALSE(OtherWindowAppears(1000)) << "no box may follow a declined confirmation:\n" << Windows();
        EXPECT_EQ("", FileDifference(SaveOfficerFile(), SaveFile(0)));
        // The window still works: Execute can be asked for again.
        ExecuteToCompletion();
        EXPECT_EQ("", FileDifference(RewrittenSaveOfficerFile(), SaveFile(0)));
    }
    Quit(Main);
}

INSTANTIATE_TEST_SUITE_P(
    Kasumiro, AnswerTest,
    testing::Values(TAnswerCase{"ClickedYes", [](HWND box) { return PostClick(BoxButton(box, "はい(&Y)")); }, true},
                    TAnswerCase{"EnterOnDefault",
                                [](HWND box) { return PostKey(BoxButton(box, "はい(&Y)"), VK_RETURN); }, true},
                    TAnswerCase{"ClickedNo", [](HWND box) { return PostClick(BoxButton(box, "いいえ(&N)")); }, false},
                    TAnswerCase{"EscapeWithYesFocused",
                                [](HWND box) { return PostKey(BoxButton(box, "はい(&Y)"), VK_ESCAPE); }, false},
                    TAnswerCase{"Closed", [](HWND box) { return PostClose(box); }, false}),
    CaseName<TAnswerCase>);

struct TIoErrorCase {
    const char* Name;
    // Damages the game folder (ending in "\") before Execute.
    std::function<void(const std::string&)> Damage;
    const char* Text;
    // How many leading bytes of the save's officer file the failed run has rewritten.
    size_t RewrittenBytes;
    bool NeedsReadOnly = false;
};

class IoErrorTest : public ExecuteTest, public testing::WithParamInterface<TIoErrorCase> {};

TEST_P(IoErrorTest, ShowsTheErrorBoxAndTheWindowStaysUsable) {
    if (GetParam().NeedsReadOnly && !ReadOnlyFilesAreRefusedHere(Folder.Path())) {
        GTEST_SKIP() << "read-only files can be written here (Wine run by root)";
    }
    StartWithSlot(0);
    ASSERT_TRUE(Main.Window);
    GetParam().Damage(GameDir);
    const std::optional<std::string> before = SaveFile(0);

    const HWND error = ExecuteConfirmed(Main, GetParam().Text);
    ASSERT_TRUE(error);
    EXPECT_EQ("Kasumiro", WindowText(error)) << "the error box's caption is the application title";
    EXPECT_EQ(GetParam().Text, WindowText(FindDescendantById(error, 0xFFFF)));
    if (before) {
        std::optional<std::string> expected = before;
        const std::string rewritten = RewrittenSaveOfficerFile();
        expected->replace(0, GetParam().RewrittenBytes, rewritten, 0, GetParam().RewrittenBytes);
        EXPECT_EQ("", FileDifference(expected, SaveFile(0))) << "what the failed run wrote stays written";
    }
    Answer(error, "OK");

    // Repaired, the same window runs the rewrite from the start.
    RemoveFolder(GameDir);
    MakeGameFolder(GameDir, {TSlotTime{2002, 2, 2, 2, 2}});
    ExecuteToCompletion();
    EXPECT_EQ("", FileDifference(RewrittenSaveOfficerFile(), SaveFile(0)));
    Quit(Main);
}

constexpr size_t kHalfFile = 1000 * kOfficerRecordSize;

INSTANTIATE_TEST_SUITE_P(
    Kasumiro, IoErrorTest,
    testing::Values(
        TIoErrorCase{"MissingScenarioFile",
                     [](const std::string& game) { DeleteFileA((game + "NEW.DAT\\BUSYO21.BIN").c_str()); },
                     "ファイルが見つかりません.", 0},
        TIoErrorCase{"MissingSlotFolder", [](const std::string& game) { RemoveFolder(SlotFolder(game, 0)); },
                     "不正なファイル名です.", 0},
        TIoErrorCase{"ShortSaveFile",
                     [](const std::string& game) {
                         WriteFileBytes(SlotFolder(game, 0) + "BUSYO21.BIN", SaveOfficerFile().substr(0, kHalfFile));
                     },
                     "ファイルの末尾以降を読み込みました.", kHalfFile},
        TIoErrorCase{"ReadOnlySaveFile",
                     [](const std::string& game) {
                         SetFileAttributesA((SlotFolder(game, 0) + "BUSYO21.BIN").c_str(), FILE_ATTRIBUTE_READONLY);
                     },
                     "ファイルへのアクセスが拒否されました.", 0, true}),
    CaseName<TIoErrorCase>);

}  // namespace
}  // namespace e2e

// The main window's handlers without a window: a scripted folder shell, a
// recording frame, and real settings and game files in a temporary folder;
// Execute is the Windows program's, with its unseen backup.
#include "ui/main_form.h"

#include <gtest/gtest.h>

#include <set>

#include "backup/save_backup.h"
#include "common/paths.h"
#include "file_kit/game_folder.h"
#include "file_kit/temp_dir.h"
#include "settings/settings_store.h"
#include "support/backup_home.h"
#include "support/fake_frame.h"
#include "support/officer_files.h"
#include "ui/fake_folder_shell.h"
#include "ui/win32/folder_browser.h"

namespace {

constexpr std::int32_t kChangedRecord = 5;

std::string Sep() { return std::string(1, kPathSeparator); }

bool EndsEmpty(const std::string& label) { return label.size() >= 3 && label.substr(label.size() - 3) == "---"; }

// Officer file whose every name is "ABCD", except one record in the save.
std::string OfficerFile(bool save) {
    return OfficerFileBytes(
        kOfficerCount, [save](std::int32_t i) { return std::string(save && i == kChangedRecord ? "WXYZ" : "ABCD"); },
        0);
}

// Execute runs the Windows program's rewrite (the form's own), its backups
// kept in a folder of the test's.
class Form1Test : public testing::Test {
protected:
    TTempDir temp;
    TTempDir home;
    TScopedBackupHome scopedHome{home.Path()};
    std::string settingsPath = temp.Path() + "Kasumiro.ini";
    TFakeFrame frame;
    TScopedFrame scopedFrame{frame};
    TFakeFolderShell shell;
    TShellFolderBrowser browser{shell, [] { return reinterpret_cast<TWindowHandle>(0x10); }};
    std::unique_ptr<TForm1> form;

    void SetUp() override { MakeForm(settingsPath); }
    void TearDown() override {
        form.reset();
        ResetGlobals();
    }

    static void ResetGlobals() {
        Form1 = nullptr;
        BaseDir.clear();
        IniFile.reset();
        LastSaveDataIndex = 0;
    }

    void MakeForm(const std::string& path) {
        form.reset();
        ResetGlobals();
        form = std::make_unique<TForm1>(browser, path);
    }

    // A game folder (folder ends in the separator) with the given slots in use.
    static void MakeGame(const std::string& folder, const std::set<int>& usedSlots) {
        TGameFolderContents game{OfficerFile(false), OfficerFile(true), {}};
        game.Slots.resize(kSaveSlotCount);
        for (int slot : usedSlots) game.Slots.at(static_cast<std::size_t>(slot)) = TSlotSystemFile{"saved", {}};
        MakeGameFolder(folder, game);
    }

    void StoreSettings(const std::string& baseDir, const std::string& saveData) {
        TIniFile ini(settingsPath);
        ini.WriteString(kSettingsSection, kBaseDirKey, baseDir);
        ini.WriteString(kSettingsSection, kSaveDataKey, saveData);
    }

    std::string StoredText(const char* key) const {
        return TIniFile(settingsPath).ReadString(kSettingsSection, key, "(none)");
    }

    void ExpectDesignLabels() const {
        for (int i = 0; i < 5; ++i) EXPECT_EQ(form->SaveDataGroup.Item(i), "LOG" + std::to_string(i + 1) + ".DAT");
    }
};

TEST_F(Form1Test, TheWindowIsForm1ForItsLifetime) {
    EXPECT_EQ(Form1, form.get());
    form.reset();
    EXPECT_EQ(Form1, nullptr);
}

TEST_F(Form1Test, SlotClickAcceptsOrFallsBack) {
    struct Row {
        const char* name;
        int selected;  // accepted before the click, -1 for none
        int last;      // LastSaveDataIndex before the click
        std::set<int> emptySlots;
        int click;
        int beeps;
        int selectedAfter;
        int lastAfter;
    };
    const Row rows[] = {
        {"slot in use", -1, 0, {}, 2, 0, 2, 2},
        {"empty, last in use", 1, 1, {3}, 3, 1, 1, 1},
        {"empty, last empty too", 1, 1, {1, 3}, 3, 2, 1, 1},
        {"empty first slot at start", -1, 0, {0}, 0, 1, 0, 0},
        {"empty at start, first in use", -1, 0, {2}, 2, 1, 0, 0},
        {"empty at start, first empty", -1, 0, {0, 2}, 2, 2, 0, 0},
        // Clicks that check nothing new run no handler.
        {"the checked slot, though empty", 1, 3, {1}, 1, 0, 1, 3},
        {"frame or caption", 1, 3, {1}, -1, 0, 1, 3},
    };
    for (const Row& row : rows) {
        MakeForm(settingsPath);
        if (row.selected >= 0) form->SaveDataGroup.SetItemIndex(row.selected);
        LastSaveDataIndex = row.last;
        for (int slot : row.emptySlots) {
            form->SaveDataGroup.SetItem(slot, "LOG" + std::to_string(slot + 1) + ".DAT  ---", true);
        }
        frame.Beeps = 0;

        form->SaveDataGroup.UserClick(row.click);

        EXPECT_EQ(frame.Beeps, row.beeps) << row.name;
        EXPECT_EQ(form->SaveDataGroup.ItemIndex(), row.selectedAfter) << row.name;
        EXPECT_EQ(LastSaveDataIndex, row.lastAfter) << row.name;
    }
}

TEST_F(Form1Test, StartWithoutFolderAndChooserCancelled) {
    form->FormCreate(nullptr);
    EXPECT_EQ(shell.BrowseCount, 1);
    EXPECT_EQ(BaseDir, "");
    EXPECT_EQ(form->FolderDialog1.Directory, "");
    ExpectDesignLabels();
    EXPECT_EQ(form->SaveDataGroup.ItemIndex(), -1);
    EXPECT_FALSE(FileExists(settingsPath));
    EXPECT_NE(IniFile, nullptr);
}

TEST_F(Form1Test, StartRestoresTheStoredFolderAndSlot) {
    const std::string game = temp.Path() + "game" + Sep();
    MakeGame(game, {0, 1, 3, 4});
    struct Row {
        const char* stored;
        int selected;
        int last;
    };
    // Slot index 2 is empty now; restoring it is still accepted without a beep.
    for (const Row row : {Row{"2", 2, 2}, Row{"7", 4, 4}, Row{"-5", -1, 0}}) {
        MakeForm(settingsPath);
        StoreSettings(game, row.stored);
        frame.Beeps = 0;

        form->FormCreate(nullptr);

        EXPECT_EQ(shell.BrowseCount, 0) << row.stored;
        EXPECT_EQ(frame.Beeps, 0) << row.stored;
        EXPECT_EQ(BaseDir, game) << row.stored;
        EXPECT_EQ(form->FolderDialog1.Directory, temp.Path() + "game") << row.stored;
        EXPECT_EQ(form->SaveDataGroup.ItemIndex(), row.selected) << row.stored;
        EXPECT_EQ(LastSaveDataIndex, row.last) << row.stored;
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(EndsEmpty(form->SaveDataGroup.Item(i)), i == 2) << row.stored << " slot " << i;
            EXPECT_EQ(form->SaveDataGroup.ItemEmpty(i), i == 2) << row.stored << " slot " << i;
        }
    }
}

TEST_F(Form1Test, ExecuteWithoutSlotBeepsOnly) {
    form->Button1Click(nullptr);
    EXPECT_EQ(frame.Beeps, 1);
    EXPECT_TRUE(frame.Questions.empty());
}

TEST_F(Form1Test, ExecuteAnsweredOtherThanYesChangesNothing) {
    BaseDir = temp.Path() + "game" + Sep();
    MakeGame(BaseDir, {0, 1, 2, 3, 4});
    form->SaveDataGroup.SetItemIndex(2);
    frame.Answers = {mrNo, mrCancel};

    form->Button1Click(nullptr);
    form->Button1Click(nullptr);

    EXPECT_EQ(frame.Questions, (std::vector<std::string>{"実行しますか?", "実行しますか?"}));
    EXPECT_TRUE(frame.Informations.empty());
    EXPECT_EQ(ReadFileBytes(BaseDir + "LOG3.DAT" + Sep() + "BUSYO21.BIN"), OfficerFile(true));
}

TEST_F(Form1Test, ExecuteJoinsTheFoldersOntoBaseDirAsItIs) {
    struct Row {
        const char* name;
        std::string baseDir;
    };
    // A stored folder without the trailing separator is joined all the same.
    for (const Row& row : {Row{"with separator", temp.Path() + "a" + Sep()}, Row{"without", temp.Path() + "b"}}) {
        MakeForm(settingsPath);
        frame.Informations.clear();
        MakeGame(row.baseDir, {0, 1, 2, 3, 4});
        BaseDir = row.baseDir;
        form->SaveDataGroup.SetItemIndex(2);
        form->SaveDataGroup.SetItem(2, "LOG3.DAT  2024/01/02 03:04", false);
        frame.Answers = {mrYes};

        form->Button1Click(nullptr);

        EXPECT_EQ(frame.Informations, std::vector<std::string>{"データを書き換えました."}) << row.name;
        const std::string save = ReadFileBytes(row.baseDir + "LOG3.DAT" + Sep() + "BUSYO21.BIN");
        const std::string original = OfficerFile(true);
        ASSERT_EQ(save.size(), original.size()) << row.name;
        const std::size_t changedAt = std::size_t{kChangedRecord} * 38;
        EXPECT_NE(save.substr(changedAt, 38), original.substr(changedAt, 38)) << row.name;
        EXPECT_NE(save.substr(changedAt + 6, 12).find("\x8E\x6B"), std::string::npos) << row.name;
        EXPECT_EQ(save.substr(0, changedAt), original.substr(0, changedAt)) << row.name;
        EXPECT_EQ(ReadFileBytes(row.baseDir + "LOG2.DAT" + Sep() + "BUSYO21.BIN"), original) << row.name;
        EXPECT_EQ(ReadFileBytes(row.baseDir + "NEW.DAT" + Sep() + "BUSYO21.BIN"), OfficerFile(false)) << row.name;
        // The Windows program's Execute backs the slot up unseen first.
        const std::vector<TSaveBackup> backups = ListSaveBackups(row.baseDir, "LOG3.DAT");
        ASSERT_EQ(backups.size(), 1u) << row.name;
        EXPECT_EQ(ReadFileBytes(backups[0].Path), original) << row.name;
    }
}

TEST_F(Form1Test, ExecuteOnMissingFilesIsReportedOnce) {
    BaseDir = temp.Path() + "nowhere" + Sep();
    form->SaveDataGroup.SetItemIndex(0);
    frame.Answers = {mrYes};
    DispatchEvent([&] { form->Button1Click(nullptr); });
    EXPECT_EQ(frame.Errors.size(), 1u);
    EXPECT_TRUE(frame.Informations.empty());
}

// Cancelled, or a folder whose name the system's code page cannot hold or
// whose path is too long for the system (refused with its error): either way
// nothing changes.
TEST_F(Form1Test, SettingsCancelledOrRefusedChangesNothing) {
    struct Row {
        const char* name;
        const char* chosen;  // nullptr: Cancel
        std::vector<std::string> errors;
    };
    std::vector<Row> rows = {{"cancelled", nullptr, {}}};
    // Only Windows puts "?" for a character a path cannot hold.
    if (kUnnamableCharacter == '?') rows.push_back({"unnamable folder", "K:\\??", {kFolderNameNotUsable}});
    const std::string longPath = temp.Path() + std::string(kMaxPath, 'x');
    rows.push_back({"path too long", longPath.c_str(), {kFolderPathTooLong}});
    for (const Row& row : rows) {
        MakeForm(settingsPath);
        frame.Errors.clear();
        const std::string game = temp.Path() + (row.chosen ? "refused" : "cancelled") + Sep();
        MakeGame(game, {1});
        StoreSettings(game, "1");
        form->FormCreate(nullptr);
        const std::string fileBefore = ReadFileBytes(settingsPath);
        const std::string labelBefore = form->SaveDataGroup.Item(0);
        const std::string directoryBefore = form->FolderDialog1.Directory;
        if (row.chosen)
            shell.ChooseFolder(row.chosen);
        else
            shell.CancelBrowser();

        DispatchEvent([&] { form->Button2Click(nullptr); });

        EXPECT_EQ(frame.Errors, row.errors) << row.name;
        EXPECT_EQ(BaseDir, game) << row.name;
        EXPECT_EQ(form->FolderDialog1.Directory, directoryBefore) << row.name;
        EXPECT_EQ(ReadFileBytes(settingsPath), fileBefore) << row.name;
        EXPECT_EQ(form->SaveDataGroup.Item(0), labelBefore) << row.name;
        EXPECT_EQ(form->SaveDataGroup.ItemIndex(), 1) << row.name;
    }
    EXPECT_EQ(shell.BrowseCount, static_cast<int>(rows.size()));
}

TEST_F(Form1Test, SettingsConfirmedClearsSelectionAndKeepsLastAcceptedSlot) {
    const std::string oldGame = temp.Path() + "old" + Sep();
    const std::string newGame = temp.Path() + "new";
    MakeGame(oldGame, {0, 1, 2, 3, 4});
    MakeGame(newGame + Sep(), {0});
    StoreSettings(oldGame, "1");
    form->FormCreate(nullptr);
    shell.ChooseFolder(newGame);

    form->Button2Click(nullptr);

    EXPECT_EQ(frame.Beeps, 0);
    EXPECT_EQ(BaseDir, newGame + Sep());
    EXPECT_EQ(StoredText(kBaseDirKey), newGame + Sep());
    EXPECT_EQ(StoredText(kSaveDataKey), "-1");
    EXPECT_EQ(form->SaveDataGroup.ItemIndex(), -1);
    EXPECT_EQ(LastSaveDataIndex, 1);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(EndsEmpty(form->SaveDataGroup.Item(i)), i != 0) << i;
        EXPECT_EQ(form->SaveDataGroup.ItemEmpty(i), i != 0) << i;
    }

    // The next click on an empty slot falls back to slot index 1, empty here too.
    form->SaveDataGroup.UserClick(3);
    EXPECT_EQ(frame.Beeps, 2);
    EXPECT_EQ(form->SaveDataGroup.ItemIndex(), 1);
}

TEST_F(Form1Test, ShutDownStoresTheSelection) {
    struct Row {
        int selected;
        const char* stored;
    };
    for (const Row row : {Row{3, "3"}, Row{-1, "-1"}}) {
        MakeForm(settingsPath);
        form->FormCreate(nullptr);
        form->SaveDataGroup.SetItemIndex(row.selected);

        form->FormDestroy(nullptr);

        EXPECT_EQ(IniFile, nullptr);
        EXPECT_EQ(StoredText(kSaveDataKey), row.stored);
    }
}

TEST_F(Form1Test, RefusedSettingsWriteEndsStartUpAndIsReportedOnce) {
    const std::string unwritable = temp.Path() + "missing" + Sep() + "Kasumiro.ini";
    MakeForm(unwritable);
    const std::string game = temp.Path() + "game";
    MakeGame(game + Sep(), {0, 1, 2, 3, 4});
    shell.ChooseFolder(game);

    DispatchEvent([&] { form->FormCreate(nullptr); });

    ASSERT_EQ(frame.Errors.size(), 1u);
    EXPECT_EQ(frame.Errors[0].rfind(unwritable + " に書き込めません", 0), 0u) << frame.Errors[0];
    EXPECT_EQ(BaseDir, game + Sep());
    ExpectDesignLabels();
    EXPECT_EQ(form->SaveDataGroup.ItemIndex(), -1);
}

}  // namespace

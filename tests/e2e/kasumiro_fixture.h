// Test fixture for the real Kasumiro.exe: a copy of the program in a folder of
// its own (so its settings file sits beside it), a synthetic game folder, and
// helpers that find the main window, its controls and the boxes it opens.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "e2e/child_process.h"
#include "e2e/game_folder.h"
#include "process/officer_file.h"
#include "support/officer_files.h"

namespace e2e {

// The controls of the main window, the radio buttons of each group ordered from the top.
struct TMainWindow {
    HWND Window = nullptr;
    HWND ScenarioGroup = nullptr;
    HWND SaveDataGroup = nullptr;
    std::vector<HWND> ScenarioItems;
    std::vector<HWND> SlotItems;
    HWND ExecuteButton = nullptr;
    HWND SettingsButton = nullptr;
    HWND QuitButton = nullptr;
};

inline constexpr char kConfirmText[] = "実行しますか?";
inline constexpr char kDoneText[] = "データを書き換えました.";
inline constexpr char kChooserTitle[] = "天下統一プログラム・フォルダの設定";

// Names the cases of a parameterised test after their Name field.
template <class T>
std::string CaseName(const testing::TestParamInfo<T>& info) {
    return info.param.Name;
}

std::vector<std::string> Labels(const std::vector<HWND>& items);
// Index of the one checked item, -1 when none is checked, -2 when several are.
int CheckedIndex(const std::vector<HWND>& items);

class KasumiroTest : public testing::Test {
protected:
    void SetUp() override;

    // Game folder with the given slots, and a settings file naming it.
    void MakeGameAndSettings(const TSlotTimes& slots, int saveData);
    void Launch(WORD showState = SW_SHOWNORMAL);
    // The sample game that make-sample-game (built beside the program) makes
    // in gameDir, ending in "\": slots 1, 2 and 4 used, 3 and 5 empty.
    void MakeSampleGame(const std::string& gameDir);

    // Waits for the visible main window and reads its controls; a failure is
    // recorded and Window stays null.
    TMainWindow WaitForMainWindow();
    // The main window, visible or not; nullptr when it was not made in time.
    HWND WaitForMainWindowMade();
    // A visible top-level window other than the main window that shows this text.
    HWND WaitForBox(const std::string& text, DWORD timeoutMs = kBoxTimeoutMs);
    HWND WaitForChooser();
    bool MainWindowVisible();
    // True when a box (a window with controls other than the main window) is
    // visible now or shows within the time.
    bool OtherWindowAppears(DWORD withinMs = 0);
    // Clicks the button with this text in the box and waits for the box to go.
    void Answer(HWND box, const std::string& button);
    // Clicks Execute, answers はい and waits for the box showing the outcome.
    HWND ExecuteConfirmed(const TMainWindow& main, const std::string& outcome = kDoneText);
    // Waits for the process to end and expects exit code 0.
    void ExpectCleanExit();
    void Quit(const TMainWindow& main);
    // The window of the program's task-bar entry (shown, but without controls).
    HWND TaskBarEntry();
    // The settings file's lines as the program must leave them.
    std::vector<std::string> Stored(int saveData) const { return Stored(GameDir, saveData); }
    static std::vector<std::string> Stored(const std::string& baseDir, int saveData) {
        return {"[Kasumiro]", "BaseDir=" + baseDir, "SaveData=" + std::to_string(saveData)};
    }
    // The visible windows of the program, for failure messages.
    std::string Windows();

    static constexpr DWORD kBoxTimeoutMs = 15000;

    TTempDir Folder{E2eRoot()};
    std::string AppDir;
    std::string GameDir;  // ends in "\"
    std::string IniPath;
    std::string ExePath;
    std::unique_ptr<TChildProcess> App;
};

}  // namespace e2e

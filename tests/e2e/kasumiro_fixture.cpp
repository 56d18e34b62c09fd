// Launching the program under test and recognising its windows.
#include "e2e/kasumiro_fixture.h"

#include <algorithm>
#include <cstdlib>

#include "common/executable_path.h"
#include "common/paths.h"
#include "e2e/window_driver.h"

namespace e2e {
namespace {

// Kasumiro.exe of this build: KASUMIRO_EXE, or the folder above this driver's.
std::string ProgramUnderTest() {
    if (const char* path = std::getenv("KASUMIRO_EXE"); path && *path) return path;
    return FolderOfPath(ExecutablePath()) + "..\\Kasumiro.exe";
}

bool IsMainWindow(HWND window) { return FindDescendantByText(window, "実行", "Button") != nullptr; }

// A box or the chooser: a window with controls that is not the main window.
// (The application's task-bar window has no controls.)
bool IsBox(HWND window) { return !IsMainWindow(window) && !DescendantWindows(window).empty(); }

bool Contains(const RECT& outer, const RECT& inner) {
    const LONG x = (inner.left + inner.right) / 2;
    const LONG y = (inner.top + inner.bottom) / 2;
    return x >= outer.left && x < outer.right && y >= outer.top && y < outer.bottom;
}

std::vector<HWND> RadiosInside(HWND group, const std::vector<HWND>& radios) {
    std::vector<HWND> inside;
    if (!group) return inside;
    const RECT frame = ScreenRect(group);
    for (HWND radio : radios) {
        if (Contains(frame, ScreenRect(radio))) inside.push_back(radio);
    }
    std::sort(inside.begin(), inside.end(), [](HWND a, HWND b) { return ScreenRect(a).top < ScreenRect(b).top; });
    return inside;
}

}  // namespace

std::vector<std::string> Labels(const std::vector<HWND>& items) {
    std::vector<std::string> labels;
    labels.reserve(items.size());
    for (HWND item : items) labels.push_back(WindowText(item));
    return labels;
}

int CheckedIndex(const std::vector<HWND>& items) {
    int found = -1;
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        if (!IsChecked(items[i])) continue;
        if (found != -1) return -2;
        found = i;
    }
    return found;
}

void KasumiroTest::SetUp() {
    const std::string original = ProgramUnderTest();
    AppDir = Folder.Path() + "app\\";
    GameDir = Folder.Path() + "game\\";
    ExePath = AppDir + "Kasumiro.exe";
    IniPath = AppDir + "Kasumiro.ini";
    MakeFolder(AppDir);
    ASSERT_TRUE(CopyFileA(original.c_str(), ExePath.c_str(), FALSE))
        << "cannot copy the program under test from " << original << " (set KASUMIRO_EXE to its path)";
}

void KasumiroTest::MakeGameAndSettings(const TSlotTimes& slots, int saveData) {
    MakeGameFolder(GameDir, slots);
    WriteFileBytes(IniPath, SettingsText(GameDir, saveData));
}

void KasumiroTest::MakeSampleGame(const std::string& gameDir) {
    const std::string program = ProgramUnderTest();
    const std::string tool = program.substr(0, program.find_last_of('\\') + 1) + "make-sample-game.exe";
    // Without its last "\", which would escape the closing quote.
    TChildProcess run(tool, SW_HIDE, "\"" + gameDir.substr(0, gameDir.size() - 1) + "\"");
    DWORD exitCode = 1;
    ASSERT_TRUE(run.WaitForExit(kWaitTimeoutMs, exitCode)) << tool << " did not end";
    ASSERT_EQ(0u, exitCode) << tool << " could not make " << gameDir;
}

void KasumiroTest::Launch(WORD showState) { App = std::make_unique<TChildProcess>(ExePath, showState); }

HWND KasumiroTest::WaitForMainWindowMade() {
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND window : TopLevelWindows(App->Id())) {
            if (IsMainWindow(window)) found = window;
        }
        return found != nullptr;
    });
    if (!found) ADD_FAILURE() << "expected the main window with the button \"実行\"; found:\n" << Windows();
    return found;
}

TMainWindow KasumiroTest::WaitForMainWindow() {
    TMainWindow view;
    const HWND window = WaitForTopLevel(App->Id(), IsMainWindow);
    if (!window) {
        ADD_FAILURE() << "expected the main window with the button \"実行\"; found:\n" << Windows();
        return view;
    }
    std::vector<HWND> radios;
    for (HWND child : DescendantWindows(window)) {
        if (IsRadioButton(child)) radios.push_back(child);
    }
    view.ScenarioGroup = FindDescendantByText(window, "シナリオ", "Button");
    view.SaveDataGroup = FindDescendantByText(window, "セーブデータ", "Button");
    view.ScenarioItems = RadiosInside(view.ScenarioGroup, radios);
    view.SlotItems = RadiosInside(view.SaveDataGroup, radios);
    view.ExecuteButton = FindDescendantByText(window, "実行", "Button");
    view.SettingsButton = FindDescendantByText(window, "設定", "Button");
    view.QuitButton = FindDescendantByText(window, "終了", "Button");
    const bool complete = view.ScenarioItems.size() == 1 && view.SlotItems.size() == kSaveSlotCount &&
                          view.SettingsButton && view.QuitButton;
    if (!complete) {
        ADD_FAILURE() << "expected group boxes \"シナリオ\" (1 radio button) and \"セーブデータ\" (5 radio buttons) "
                         "and buttons \"実行\", \"設定\", \"終了\"; found:\n"
                      << Windows();
        return view;
    }
    view.Window = window;
    return view;
}

HWND KasumiroTest::WaitForBox(const std::string& text, DWORD timeoutMs) {
    const HWND box = WaitForTopLevel(
        App->Id(), [&](HWND window) { return !IsMainWindow(window) && FindDescendantByText(window, text); }, timeoutMs);
    if (!box) ADD_FAILURE() << "expected a box showing \"" << text << "\"; found:\n" << Windows();
    return box;
}

HWND KasumiroTest::WaitForChooser() {
    const HWND chooser = WaitForTopLevel(
        App->Id(), [](HWND window) { return FindDescendantByText(window, kChooserTitle, "Static") != nullptr; });
    if (!chooser)
        ADD_FAILURE() << "expected the folder chooser titled \"" << kChooserTitle << "\"; found:\n" << Windows();
    return chooser;
}

bool KasumiroTest::MainWindowVisible() {
    for (HWND window : TopLevelWindows(App->Id())) {
        if (IsVisibleWindow(window) && IsMainWindow(window)) return true;
    }
    return false;
}

bool KasumiroTest::OtherWindowAppears(DWORD withinMs) { return WaitForTopLevel(App->Id(), IsBox, withinMs) != nullptr; }

void KasumiroTest::Answer(HWND box, const std::string& button) {
    const HWND target = FindDescendantByText(box, button, "Button");
    ASSERT_TRUE(target) << "expected a button \"" << button << "\"; found:\n" << Windows();
    ASSERT_TRUE(PostClick(target));
    EXPECT_TRUE(WaitUntilGone(box)) << "the box stayed open after \"" << button << "\":\n" << Windows();
}

HWND KasumiroTest::ExecuteConfirmed(const TMainWindow& main, const std::string& outcome) {
    if (!PostClick(main.ExecuteButton)) return nullptr;
    const HWND confirm = WaitForBox(kConfirmText);
    if (!confirm) return nullptr;
    Answer(confirm, "はい(&Y)");
    return WaitForBox(outcome);
}

void KasumiroTest::Quit(const TMainWindow& main) {
    if (PostClick(main.QuitButton)) ExpectCleanExit();
}

void KasumiroTest::ExpectCleanExit() {
    DWORD exitCode = 0;
    if (!App->WaitForExit(kWaitTimeoutMs, exitCode)) {
        ADD_FAILURE() << "expected the program to end; still running with:\n" << Windows();
        return;
    }
    EXPECT_EQ(0u, exitCode) << "exit code of Kasumiro.exe";
}

HWND KasumiroTest::TaskBarEntry() {
    for (HWND window : TopLevelWindows(App->Id())) {
        if (ClassName(window) == "TApplication") return window;
    }
    ADD_FAILURE() << "expected the task-bar entry's window; found:\n" << Windows();
    return nullptr;
}

std::string KasumiroTest::Windows() { return App ? DescribeWindows(App->Id()) : "  (not started)\n"; }

}  // namespace e2e

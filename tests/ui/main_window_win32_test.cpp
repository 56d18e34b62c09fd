// The Win32 main window's radio buttons under real button messages: a
// double-click on an empty slot counts as the two clicks it is.
#include "ui/win32/main_window.h"

#include <gtest/gtest.h>

#include "file_kit/temp_dir.h"
#include "support/fake_frame.h"
#include "ui/fake_folder_shell.h"
#include "ui/win32/folder_browser.h"

namespace {

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        window.Bind(form);
        for (HWND child = GetWindow(window.Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            const LONG type = GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK;
            if (type == BS_RADIOBUTTON) radios.push_back(child);
        }
        ASSERT_EQ(radios.size(), 6u) << "one scenario and five slot buttons";
    }
    void TearDown() override {
        window.Destroy();
        LastSaveDataIndex = 0;
    }

    HWND Slot(int index) const { return radios.at(static_cast<std::size_t>(index) + 1); }

    // The mouse messages a button gets from a click, or from a double-click
    // (whose second press comes as WM_LBUTTONDBLCLK).
    static void Click(HWND button, bool twice) {
        const LPARAM at = MAKELPARAM(4, 4);
        SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(button, WM_LBUTTONUP, 0, at);
        if (!twice) return;
        SendMessageA(button, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        SendMessageA(button, WM_LBUTTONUP, 0, at);
    }

    TTempDir temp;
    TFakeFrame frame;
    TScopedFrame scopedFrame{frame};
    TFakeFolderShell shell;
    TMainWindow window{GetModuleHandleA(nullptr), nullptr};
    TShellFolderBrowser browser{shell, [this] { return static_cast<TWindowHandle>(window.Handle()); }};
    TForm1 form{browser, temp.Path() + "K.ini"};
    std::vector<HWND> radios;
};

TEST_F(MainWindowTest, DoubleClickOnASlotCountsAsTwoClicks) {
    form.SaveDataGroup.SetItem(2, "LOG3.DAT  ---", true);
    struct Row {
        const char* name;
        int slot;
        bool twice;
        int beeps;
        int selected;
    };
    const Row rows[] = {
        {"used slot, click", 0, false, 0, 0},
        {"used slot, double-click", 1, true, 0, 1},
        {"empty slot, click", 2, false, 1, 1},
        {"empty slot, double-click", 2, true, 2, 1},
    };
    for (const Row& row : rows) {
        frame.Beeps = 0;
        Click(Slot(row.slot), row.twice);
        EXPECT_EQ(frame.Beeps, row.beeps) << row.name;
        EXPECT_EQ(form.SaveDataGroup.ItemIndex(), row.selected) << row.name;
        EXPECT_EQ(SendMessageA(Slot(row.selected), BM_GETCHECK, 0, 0), BST_CHECKED) << row.name;
    }
}

// A slot label wider than its button widens the slot buttons, their group
// and the window by what it lacks, and Quit moves along; short labels again
// give back the designed layout.
TEST_F(MainWindowTest, SlotGroupGrowsForALongLabelAndShrinksBackToTheDesign) {
    const auto rect = [](HWND control) {
        RECT r{};
        GetWindowRect(control, &r);
        return r;
    };
    const HWND box = GetDlgItem(window.Handle(), 200);  // the slot group's frame
    const HWND quit = GetDlgItem(window.Handle(), 303);
    ASSERT_TRUE(box && quit);
    const RECT designedBox = rect(box);
    const RECT designedQuit = rect(quit);
    const RECT designedWindow = rect(window.Handle());
    const LONG designedSlot = rect(Slot(0)).right - rect(Slot(0)).left;

    struct Row {
        const char* name;
        std::string label;
        bool grows;
    };
    const Row rows[] = {
        {"short", "LOG1.DAT  ---", false},
        {"long", "LOG1.DAT  " + std::string(80, 'W'), true},
        {"longer", "LOG1.DAT  " + std::string(90, 'W'), true},
        {"short again", "LOG1.DAT", false},
    };
    for (const Row& row : rows) {
        form.SaveDataGroup.SetItem(0, row.label, false);
        const LONG growth = (rect(box).right - rect(box).left) - (designedBox.right - designedBox.left);
        EXPECT_EQ(growth > 0, row.grows) << row.name << ": grew by " << growth;
        EXPECT_GE(growth, 0) << row.name << ": never narrower than designed";
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(rect(Slot(i)).right - rect(Slot(i)).left, designedSlot + growth) << row.name << " slot " << i;
        }
        EXPECT_EQ(rect(quit).left, designedQuit.left + growth) << row.name;
        EXPECT_EQ(rect(quit).right - rect(box).right, designedQuit.right - designedBox.right) << row.name;
        EXPECT_EQ(rect(window.Handle()).right, designedWindow.right + growth) << row.name;
        if (row.grows) {
            HDC dc = GetDC(Slot(0));
            const HGDIOBJ previous = SelectObject(dc,
                                                  reinterpret_cast<HGDIOBJ>(SendMessageA(Slot(0), WM_GETFONT, 0, 0)));
            SIZE text{};
            GetTextExtentPoint32A(dc, row.label.c_str(), static_cast<int>(row.label.size()), &text);
            SelectObject(dc, previous);
            ReleaseDC(Slot(0), dc);
            EXPECT_GE(rect(Slot(0)).right - rect(Slot(0)).left, text.cx + 13)
                << row.name << ": the label fits beside the check mark";
        }
    }
}

}  // namespace

// The Win32 main window's radio buttons under real button messages: a
// double-click on an empty slot counts as the two clicks it is.
#include "ui/win32/main_window.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "ui/fake_folder_shell.h"
#include "support/fake_frame.h"

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
    TForm1 form{shell, [this] { return static_cast<TWindowHandle>(window.Handle()); }, temp.Path() + "K.ini"};
    std::vector<HWND> radios;
};

TEST_F(MainWindowTest, DoubleClickOnASlotCountsAsTwoClicks) {
    form.SaveDataGroup.SetItem(2, "LOG3.DAT  ---");
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

}  // namespace

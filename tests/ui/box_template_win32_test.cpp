// The boxes' dialog template: Windows must accept it and build a standard
// #32770 dialog with the controls, identifiers and styles the boxes rely on.
#include "ui/win32/box_template.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TExpectedControl {
    const char* ClassName;
    int Id;
    DWORD Style;  // bits that must be set
};

struct TTemplateCase {
    const char* Name;
    TBoxKind Kind;
    std::vector<TExpectedControl> Controls;
};

INT_PTR CALLBACK IgnoreAll(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

class BoxTemplateTest : public testing::TestWithParam<TTemplateCase> {};

TEST_P(BoxTemplateTest, BuildsAStandardDialogWithTheBoxControls) {
    const TTemplateCase& c = GetParam();
    const std::vector<WORD> words = BuildBoxTemplate(c.Kind);
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(words.data()),
                                             nullptr, IgnoreAll, 0);
    ASSERT_NE(dialog, nullptr) << "template rejected, error " << GetLastError();

    EXPECT_EQ(ClassOf(dialog), "#32770");
    const auto style = static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE));
    EXPECT_TRUE(style & WS_SYSMENU) << "close box";
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)) << "fixed frame, close box only";

    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    ASSERT_EQ(children.size(), c.Controls.size());
    for (std::size_t i = 0; i < children.size(); ++i) {
        const TExpectedControl& want = c.Controls[i];
        EXPECT_EQ(ClassOf(children[i]), want.ClassName) << "control " << i;
        EXPECT_EQ(static_cast<WORD>(GetDlgCtrlID(children[i])), static_cast<WORD>(want.Id)) << "control " << i;
        const auto childStyle = static_cast<DWORD>(GetWindowLongA(children[i], GWL_STYLE));
        EXPECT_EQ(childStyle & want.Style, want.Style) << "control " << i << " style " << std::hex << childStyle;
    }
    // The default button comes first in tab order, so it takes the focus.
    EXPECT_EQ(GetNextDlgTabItem(dialog, nullptr, FALSE), GetDlgItem(dialog, DescribeBox(c.Kind).Buttons[0].Answer));
    DestroyWindow(dialog);
}

INSTANTIATE_TEST_SUITE_P(Boxes, BoxTemplateTest,
                         testing::Values(TTemplateCase{"Confirmation",
                                                       TBoxKind::Confirmation,
                                                       {{"Static", kBoxIconId, SS_ICON},
                                                        {"Static", kBoxTextId, SS_NOPREFIX},
                                                        {"Button", IDYES, BS_DEFPUSHBUTTON | WS_TABSTOP},
                                                        {"Button", IDNO, WS_TABSTOP}}},
                                         TTemplateCase{"Information",
                                                       TBoxKind::Information,
                                                       {{"Static", kBoxTextId, SS_NOPREFIX},
                                                        {"Button", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP}}}),
                         [](const testing::TestParamInfo<TTemplateCase>& param) {
                             return std::string(param.param.Name);
                         });

}  // namespace

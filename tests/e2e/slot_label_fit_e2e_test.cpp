// The layout as designed under the fonts at hand: each dated slot label fits
// its 199-pixel button beside the check mark, so that none is cut off.
#include "common/wide_text.h"
#include "e2e/kasumiro_fixture.h"
#include "e2e/window_driver.h"
#include "ui/form1_description.h"

namespace e2e {
namespace {

// Text width in the window's font: the face, height and character set that
// the program creates it from (the font itself belongs to the program's process).
LONG TextWidth(const std::wstring& text) {
    HDC screen = GetDC(nullptr);
    HFONT font = CreateFontW(kForm1FontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, kShiftJisCharset,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                             ProgramText(kForm1FontFace).c_str());
    const HGDIOBJ previous = SelectObject(screen, font);
    SIZE extent{};
    GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(screen, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    return extent.cx;
}

TEST_F(KasumiroTest, DatedSlotLabelsFitTheirButtons) {
    // An English long date ("Thursday, December 24, 2026") is longer than any
    // button of this layout has room for, on Windows as well.
    if (GetACP() != 932) GTEST_SKIP() << "the slot buttons are laid out for the Japanese long date";
    MakeGameAndSettings({TSlotTime{1998, 4, 3, 21, 5}, TSlotTime{2001, 12, 24, 9, 5}, TSlotTime{2026, 12, 28, 23, 59},
                         TSlotTime{2010, 11, 30, 0, 0}, TSlotTime{2088, 10, 20, 10, 10}},
                        0);
    Launch();
    const TMainWindow main = WaitForMainWindow();
    ASSERT_TRUE(main.Window);
    for (HWND slot : main.SlotItems) {
        const RECT button = ScreenRect(slot);
        const LONG room = (button.right - button.left) - GetSystemMetrics(SM_CXMENUCHECK);
        EXPECT_LE(TextWidth(WideWindowText(slot)), room) << WindowText(slot) << " does not fit its button";
    }
    Quit(main);
}

}  // namespace
}  // namespace e2e

// Every dated slot label shows whole under the fonts and dates at hand: each
// fits its button beside the check mark, the group and the window growing
// for a long date (English, or a picture with the day's name), Quit's right
// edge staying beside the group's.
#include "common/wide_text.h"
#include "e2e/kasumiro_fixture.h"
#include "e2e/window_driver.h"
#include "ui/main_form_layout.h"

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
    MakeGameAndSettings({TSlotTime{1998, 4, 3, 21, 5}, TSlotTime{2001, 12, 24, 9, 5}, TSlotTime{2026, 12, 28, 23, 59},
                         TSlotTime{2010, 11, 30, 0, 0}, TSlotTime{2088, 10, 20, 10, 10}},
                        0);
    Launch();
    const TMainWindow main = WaitForMainWindow();
    ASSERT_TRUE(main.Window);
    // A radio button draws its text after the check mark (13 pixels at 96 dpi)
    // and half a "0" of gap.
    HDC screen = GetDC(nullptr);
    const LONG checkMark = MulDiv(12, GetDeviceCaps(screen, LOGPIXELSX), 96) + 1 + TextWidth(L"0") / 2;
    ReleaseDC(nullptr, screen);
    for (HWND slot : main.SlotItems) {
        const RECT button = ScreenRect(slot);
        const LONG room = (button.right - button.left) - checkMark;
        EXPECT_LE(TextWidth(WideWindowText(slot)), room) << WindowText(slot) << " does not fit its button";
    }
    const RECT group = ScreenRect(main.SaveDataGroup);
    const RECT quit = ScreenRect(main.QuitButton);
    const TBounds designedGroup = kSaveDataGroup.Bounds;
    const TBounds designedQuit = kButton3.Bounds;
    EXPECT_GE(group.right - group.left, designedGroup.Width) << "the group never gets narrower than designed";
    EXPECT_EQ(quit.right - group.right,
              (designedQuit.Left + designedQuit.Width) - (designedGroup.Left + designedGroup.Width))
        << "Quit's right edge moves with the group's";
    RECT client{};
    GetClientRect(main.Window, &client);
    MapWindowPoints(main.Window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_LT(quit.right, client.right) << "the window grows with the group";
    Quit(main);
}

}  // namespace
}  // namespace e2e

// Every dated slot label shows whole under the fonts and dates at hand: each
// fits its button beside the check mark, the group and the window growing
// for a long date (English, or a picture with the day's name), Quit's right
// edge staying beside the group's. They read, in black, in a prefix without
// the font replacements too, where Wine picks a font for the missing face.
#include <cstdint>
#include <utility>
#include <vector>

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

// Wine's font replacements taken out of the prefix while a test runs, as in a
// player's own prefix, and put back after; nothing to take out on Windows.
class TScopedNoFontReplacements {
public:
    TScopedNoFontReplacements() {
        if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\Fonts\\Replacements", 0, KEY_READ | KEY_WRITE, &key_) !=
            ERROR_SUCCESS) {
            key_ = nullptr;
            return;
        }
        wchar_t name[256];
        wchar_t value[256];
        for (DWORD nameSize = 256, valueSize = sizeof value;
             RegEnumValueW(key_, 0, name, &nameSize, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &valueSize) ==
             ERROR_SUCCESS;
             nameSize = 256, valueSize = sizeof value) {
            saved_.emplace_back(name, value);
            RegDeleteValueW(key_, name);
        }
    }
    ~TScopedNoFontReplacements() {
        if (!key_) return;
        for (const auto& [name, value] : saved_)
            RegSetValueExW(key_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                           static_cast<DWORD>(value.size() + 1) * DWORD{sizeof(wchar_t)});
        RegCloseKey(key_);
    }
    TScopedNoFontReplacements(const TScopedNoFontReplacements&) = delete;
    TScopedNoFontReplacements& operator=(const TScopedNoFontReplacements&) = delete;

private:
    HKEY key_ = nullptr;
    std::vector<std::pair<std::wstring, std::wstring>> saved_;
};

// The pixels of the label part of a button (right of its check mark) on the
// screen that are drawn dark, as text is in black; a face without the
// label's characters draws grey empty boxes instead.
int DarkLabelPixels(HWND button) {
    const RECT rect = ScreenRect(button);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    const int labelStart = MulDiv(16, GetDeviceCaps(screen, LOGPIXELSX), 96);
    int dark = 0;
    for (int y = 0; bits && y < height; ++y) {
        for (int x = labelStart; x < width; ++x) {
            const std::uint32_t pixel = static_cast<const std::uint32_t*>(bits)[y * width + x];
            if ((pixel & 0xFF) < 0x40 && ((pixel >> 8) & 0xFF) < 0x40 && ((pixel >> 16) & 0xFF) < 0x40) ++dark;
        }
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return dark;
}

TEST_F(KasumiroTest, SlotLabelsReadInAPrefixWithoutFontReplacements) {
    MakeGameAndSettings({TSlotTime{1998, 4, 3, 21, 5}}, -1);
    const TScopedNoFontReplacements plainPrefix;
    Launch();
    const TMainWindow main = WaitForMainWindow();
    ASSERT_TRUE(main.Window);
    // The focus is on the scenario's button, whose dotted frame is dark too:
    // only the slots are looked at.
    WaitUntil([] { return false; }, 500);  // the first paint
    for (HWND slot : main.SlotItems) {
        EXPECT_GE(DarkLabelPixels(slot), 20) << WindowText(slot) << " is not drawn in black";
    }
    Quit(main);
}

}  // namespace
}  // namespace e2e

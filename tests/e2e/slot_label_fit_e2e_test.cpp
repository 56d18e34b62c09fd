// Every dated slot label shows whole under the fonts and dates at hand: each
// fits its button beside the check mark, the group and the window growing
// for a long date (English, or a picture with the day's name), Quit's right
// edge staying beside the group's and the heading centred over both groups.
// In a prefix without the font replacements, where Wine picks a font for the
// missing face, every text of the window, the menu, a box and the chooser
// still reads as its characters.
#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "common/wide_text.h"
#include "e2e/kasumiro_fixture.h"
#include "e2e/screen_text.h"
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

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// The screen columns between which the window draws anything but its
// background (the colour at its top left): where its text is seen.
std::pair<LONG, LONG> InkColumns(HWND window) {
    const RECT rect = ScreenRect(window);
    const TScreenImage image = CaptureScreen(rect);
    LONG first = image.Width;
    LONG last = -1;
    for (int y = 0; y < image.Height; ++y) {
        for (int x = 0; x < image.Width; ++x) {
            if (image.Pixels[static_cast<std::size_t>(y * image.Width + x)] == image.Pixels.front()) continue;
            first = std::min<LONG>(first, x);
            last = std::max<LONG>(last, x);
        }
    }
    return {rect.left + first, rect.left + last + 1};
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
    const LONG checkMark = MulDiv(12, ScreenDpi(), 96) + 1 + TextWidth(L"0") / 2;
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

    const HWND heading = FindDescendantByText(main.Window, kLabel1.Caption, "Static");
    ASSERT_TRUE(heading);
    const RECT scenario = ScreenRect(main.ScenarioGroup);
    if (group.right - group.left > designedGroup.Width) {
        const auto [left, right] = InkColumns(heading);
        EXPECT_NEAR((left + right) / 2.0, (scenario.left + group.right) / 2.0, 2.0)
            << "the heading is centred between the groups' outer edges";
    } else {
        EXPECT_EQ(ScreenRect(heading).left - scenario.left, kLabel1.Bounds.Left - kScenarioGroup.Bounds.Left)
            << "the heading stays where it was designed";
    }
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

// The texts a person reads in a plain prefix, read back from the screen: each
// slot label, 元に戻す in the system menu, the question box's text and
// buttons after 実行, and the folder chooser's title after 設定.
TEST_F(KasumiroTest, TextsReadInAPrefixWithoutFontReplacements) {
    if (!CanReadScreen()) GTEST_SKIP() << "the screen is read by a Linux program that Wine starts";
    MakeGameAndSettings({TSlotTime{1998, 4, 3, 21, 5}}, 0);
    const TScopedNoFontReplacements plainPrefix;
    Launch();
    const TMainWindow main = WaitForMainWindow();
    ASSERT_TRUE(main.Window);
    WaitUntil([] { return false; }, 500);  // the first paint
    std::vector<std::wstring> expected;
    std::vector<TScreenImage> images;
    const auto see = [&](const RECT& area, const std::wstring& text) {
        expected.push_back(text);
        images.push_back(CaptureScreen(area));
    };
    // A slot's label starts after its check mark; a button's inside its frame.
    const int checkMark = MulDiv(16, ScreenDpi(), 96);
    for (HWND slot : main.SlotItems) {
        RECT label = ScreenRect(slot);
        label.left += checkMark;
        see(label, WideWindowText(slot));
    }
    if (const HWND menu = OpenSystemMenu(main.Window)) {
        WaitUntil([] { return false; }, 300);  // the menu's first paint
        // 元に戻す is the last item: the bottom of the menu, inside its frame.
        RECT undo = Inset(ScreenRect(menu), 3);
        undo.top = undo.bottom - (GetSystemMetrics(SM_CYMENU) - 2);
        see(undo, ProgramText("元に戻す(U)"));
        PostMenuKey(main.Window, VK_ESCAPE);
        EXPECT_TRUE(WaitUntilGone(menu));
    }

    ASSERT_TRUE(PostClick(main.ExecuteButton));
    const HWND confirm = WaitForBox(kConfirmText);
    ASSERT_TRUE(confirm);
    see(ScreenRect(FindDescendantById(confirm, 0xFFFF)), ProgramText(kConfirmText));
    see(Inset(ScreenRect(FindDescendantByText(confirm, "はい(&Y)", "Button")), 4), ProgramText("はい(Y)"));
    see(Inset(ScreenRect(FindDescendantByText(confirm, "いいえ(&N)", "Button")), 4), ProgramText("いいえ(N)"));
    Answer(confirm, "いいえ(&N)");

    ASSERT_TRUE(PostClick(main.SettingsButton));
    const HWND chooser = WaitForChooser();
    ASSERT_TRUE(chooser);
    WaitUntil([] { return false; }, 300);  // the chooser's first paint
    see(ScreenRect(FindDescendantByText(chooser, kChooserTitle, "Static")), ProgramText(kChooserTitle));
    ASSERT_TRUE(PostClick(FindDescendantById(chooser, IDCANCEL)));
    EXPECT_TRUE(WaitUntilGone(chooser));

    const std::vector<std::wstring> read = ReadTexts(images, Folder.Path());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_GE(ReadShare(expected[i], read[i]), 0.5)
            << "\"" << ProgramBytes(expected[i]) << "\" reads as \"" << ProgramBytes(read[i]) << "\"";
    }
    Quit(main);
}

}  // namespace
}  // namespace e2e

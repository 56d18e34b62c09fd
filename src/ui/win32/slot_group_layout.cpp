// Measuring the slot labels and moving the slot group, Quit and the window.
#include "ui/win32/slot_group_layout.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "common/wide_text.h"
#include "ui/form_scaling.h"
#include "ui/win32/win32_handles.h"

namespace {

void Place(HWND control, const TBounds& b) {
    SetWindowPos(control, nullptr, b.Left, b.Top, b.Width, b.Height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

// The system's radio buttons draw their check mark 12 pixels wide and one
// more at 96 dpi (the menu check mark's metric can be narrower: Wine gives
// 11), then the text after a gap of half the width of a "0" in their font;
// the same gap is left after the text, so that it never touches the frame.
std::int32_t SlotButtonWidthNeeded(HWND window, HFONT font, const TRadioGroup& slots) {
    TMeasureDc dc(window, font);
    const int checkMark = MulDiv(12, GetDeviceCaps(dc.Get(), LOGPIXELSX), 96) + 1;
    SIZE zero{};
    GetTextExtentPoint32W(dc.Get(), L"0", 1, &zero);
    LONG widest = 0;
    for (std::int32_t i = 0; i < slots.Count(); ++i) {
        const std::wstring label = SystemText(slots.Item(i));
        SIZE extent{};
        GetTextExtentPoint32W(dc.Get(), label.c_str(), static_cast<int>(label.size()), &extent);
        widest = std::max(widest, extent.cx);
    }
    return checkMark + zero.cx / 2 + widest + zero.cx / 2;
}

void PlaceSlotGroup(const TSlotLabelFit& fit, HWND box, const std::vector<HWND>& buttons, HWND quit,
                    std::int32_t textHeight) {
    Place(box, fit.Group);
    const auto count = static_cast<std::int32_t>(buttons.size());
    const std::vector<TBounds> rects = RadioButtonRects(fit.Group.Width, fit.Group.Height, textHeight, count);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const TBounds& r = rects[i];
        Place(buttons[i], TBounds{fit.Group.Left + r.Left, fit.Group.Top + r.Top, r.Width, r.Height});
    }
    if (quit) Place(quit, fit.Quit);
}

void PlaceHeading(HWND heading, HFONT font, const TBounds& slotGroup, std::int32_t textHeight) {
    wchar_t text[256];
    const int length = GetWindowTextW(heading, text, static_cast<int>(std::size(text)));
    SIZE extent{};
    {
        TMeasureDc dc(heading, font);
        GetTextExtentPoint32W(dc.Get(), text, length, &extent);
    }
    TBounds b = ScaleBounds(kLabel1.Bounds, textHeight);
    const TBounds designedGroup = ScaleBounds(kSaveDataGroup.Bounds, textHeight);
    if (slotGroup.Width > designedGroup.Width) {
        const std::int32_t middle =
            (ScaleBounds(kScenarioGroup.Bounds, textHeight).Left + slotGroup.Left + slotGroup.Width) / 2;
        b.Left = middle - extent.cx / 2;
    }
    Place(heading, TBounds{b.Left, b.Top, std::max<std::int32_t>(b.Width, extent.cx),
                           std::max<std::int32_t>(b.Height, extent.cy)});
}

// A maximised window keeps its size now and takes the change in the size it
// is restored to; any other window changes at once, where it stands.
void WidenWindow(HWND window, std::int32_t change) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (IsZoomed(window) && GetWindowPlacement(window, &placement)) {
        placement.rcNormalPosition.right += change;
        placement.showCmd = IsWindowVisible(window) ? SW_SHOWNA : SW_HIDE;
        SetWindowPlacement(window, &placement);
        return;
    }
    RECT outer{};
    GetWindowRect(window, &outer);
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + change, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

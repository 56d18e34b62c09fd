// Where the parts of a confirmation or information box go: pure arithmetic in
// pixels from the text's measured size and the message font's base units, so
// that the layout can be checked without a window.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "ui/box_description.h"
#include "ui/main_form_layout.h"
#include "ui/window_fit.h"

// The message font's dialog base units: average character width and height.
struct TBaseUnits {
    std::int32_t X;
    std::int32_t Y;
};

struct TBoxLayout {
    std::int32_t ClientWidth = 0;
    std::int32_t ClientHeight = 0;
    TBounds Icon{0, 0, 0, 0};  // zero size when the box has no icon
    TBounds Text{0, 0, 0, 0};
    std::vector<TBounds> Buttons;
};

// Dialog units to pixels (4 horizontal and 8 vertical units per base unit).
inline std::int32_t BoxUnitsX(std::int32_t units, TBaseUnits base) { return units * base.X / 4; }
inline std::int32_t BoxUnitsY(std::int32_t units, TBaseUnits base) { return units * base.Y / 8; }

// Every button is as wide as the widest caption needs, at least 50 units.
inline std::int32_t BoxButtonWidth(std::int32_t widestCaption, TBaseUnits base) {
    return std::max(BoxUnitsX(50, base), widestCaption + 2 * BoxUnitsX(4, base));
}

// textWidth/textHeight: the wrapped text's measured size. The text stands to
// the right of the icon (if any), the buttons in one row of equal width below
// both, the row centred in the box.
inline TBoxLayout LayoutBox(std::int32_t textWidth, std::int32_t textHeight, bool hasIcon, std::int32_t buttonCount,
                            std::int32_t buttonWidth, TBaseUnits base) {
    const std::int32_t marginX = BoxUnitsX(8, base);
    const std::int32_t marginY = BoxUnitsY(8, base);
    const std::int32_t iconGap = BoxUnitsX(10, base);
    const std::int32_t rowGap = BoxUnitsY(10, base);
    const std::int32_t buttonHeight = BoxUnitsY(14, base);
    const std::int32_t buttonGap = BoxUnitsX(4, base);

    TBoxLayout layout;
    std::int32_t textLeft = marginX;
    std::int32_t contentHeight = textHeight;
    if (hasIcon) {
        layout.Icon = TBounds{marginX, marginY, kBoxIconSize, kBoxIconSize};
        textLeft += kBoxIconSize + iconGap;
        contentHeight = std::max(contentHeight, kBoxIconSize);
    }
    layout.Text = TBounds{textLeft, marginY, textWidth, textHeight};

    const std::int32_t count = std::max<std::int32_t>(buttonCount, 0);
    const std::int32_t rowWidth = count * buttonWidth + std::max<std::int32_t>(count - 1, 0) * buttonGap;
    layout.ClientWidth = std::max(textLeft + textWidth + marginX, rowWidth + 2 * marginX);
    const std::int32_t rowTop = marginY + contentHeight + rowGap;
    std::int32_t left = (layout.ClientWidth - rowWidth) / 2;
    for (std::int32_t i = 0; i < count; ++i) {
        layout.Buttons.push_back(TBounds{left, rowTop, buttonWidth, buttonHeight});
        left += buttonWidth + buttonGap;
    }
    layout.ClientHeight = rowTop + buttonHeight + marginY;
    return layout;
}

// A box that changed its size where it stands: capped to the area and moved
// just enough to lie within it.
constexpr TBounds KeepInArea(const TBounds& box, const TBounds& area) {
    return FitWindowToArea(
        TBounds{box.Left, box.Top, std::min(box.Width, area.Width), std::min(box.Height, area.Height)}, area);
}

// A box of the given outer size centred over a window's outer bounds, then
// kept in the screen's available area (without panels), capped to its size
// so that all of it is on the screen.
constexpr TBounds CentreOver(std::int32_t width, std::int32_t height, const TBounds& window, const TBounds& area) {
    return KeepInArea(
        TBounds{window.Left + (window.Width - width) / 2, window.Top + (window.Height - height) / 2, width, height},
        area);
}

// A box centred in the screen's available area itself.
constexpr TBounds CentreInArea(std::int32_t width, std::int32_t height, const TBounds& area) {
    return CentreOver(width, height, area, area);
}

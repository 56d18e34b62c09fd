// How wide the save-slot group is laid out so that every slot label shows
// whole: pure arithmetic in pixels, the one rule of every front end.
#pragma once

#include <algorithm>
#include <cstdint>

#include "ui/main_form_layout.h"

// The places that follow the slot labels' width.
struct TSlotLabelFit {
    std::int32_t Growth;       // what the widest label lacks; 0 when every label fits
    TBounds Group;             // the slot group; its radio buttons are laid out on it
    TBounds Quit;              // the Quit button (終了)
    std::int32_t WindowWidth;  // the window's width
};

// neededButtonWidth: the widest label's measured width plus the check mark
// and its gap, as the slot button draws them. group, quit and windowWidth:
// their designed values, scaled to the screen; textHeight: the layout's text
// height. When the widest label needs more than the designed slot button
// gives, the group (and with it every slot button) and the window grow by
// the difference, and Quit moves right by as much, so that its right edge
// keeps its place beside the group's. Nothing ever gets smaller than designed.
inline TSlotLabelFit FitSlotLabels(std::int32_t neededButtonWidth, const TBounds& group, const TBounds& quit,
                                   std::int32_t windowWidth, std::int32_t textHeight) {
    const std::int32_t designedButton = RadioButtonRects(group.Width, group.Height, textHeight, 1).front().Width;
    const std::int32_t growth = std::max<std::int32_t>(neededButtonWidth - designedButton, 0);
    return TSlotLabelFit{growth, TBounds{group.Left, group.Top, group.Width + growth, group.Height},
                         TBounds{quit.Left + growth, quit.Top, quit.Width, quit.Height}, windowWidth + growth};
}

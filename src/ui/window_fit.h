// Where a window goes on the screen: its designed place where it fits,
// otherwise moved just enough to lie within the screen's available area.
#pragma once

#include <cstdint>

#include "ui/main_form_layout.h"

// One axis: the window's start moved back so its end is within the area,
// then forward so its start is (a window larger than the area keeps its
// title bar and left edge on the screen).
constexpr std::int32_t FitSpan(std::int32_t start, std::int32_t length, std::int32_t areaStart,
                               std::int32_t areaLength) {
    if (start + length > areaStart + areaLength) start = areaStart + areaLength - length;
    if (start < areaStart) start = areaStart;
    return start;
}

// window: the outer bounds at the designed place; area: the screen's
// available area (without panels). The size never changes.
constexpr TBounds FitWindowToArea(const TBounds& window, const TBounds& area) {
    return TBounds{FitSpan(window.Left, window.Width, area.Left, area.Width),
                   FitSpan(window.Top, window.Height, area.Top, area.Height), window.Width, window.Height};
}

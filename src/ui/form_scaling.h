// The main window's scaling for the screen's resolution: the font height goes
// with pixels per inch, every position and size with the resulting text height.
#pragma once

#include <cstdint>

#include "ui/main_form_layout.h"

// The window font's height (negative: character height) for the screen.
inline std::int32_t ScaledFontHeight(std::int32_t pixelsPerInch) {
    return ScaleDesignValue(kForm1FontHeight, pixelsPerInch, kDesignPixelsPerInch);
}

// The text height the layout is scaled to: the design height on a design
// screen, the measured height of the scaled font on any other.
inline std::int32_t LayoutTextHeight(std::int32_t pixelsPerInch, std::int32_t measuredTextHeight) {
    if (pixelsPerInch == kDesignPixelsPerInch || measuredTextHeight <= 0) return kDesignTextHeight;
    return measuredTextHeight;
}

inline std::int32_t ScaleToText(std::int32_t value, std::int32_t textHeight) {
    return ScaleDesignValue(value, textHeight, kDesignTextHeight);
}

inline TBounds ScaleBounds(const TBounds& b, std::int32_t textHeight) {
    return TBounds{ScaleToText(b.Left, textHeight), ScaleToText(b.Top, textHeight), ScaleToText(b.Width, textHeight),
                   ScaleToText(b.Height, textHeight)};
}

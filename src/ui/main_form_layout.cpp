// The radio-button layout and design scaling of the main window.
#include "ui/main_form_layout.h"

#include <cstdlib>

std::vector<TBounds> RadioButtonRects(std::int32_t groupWidth, std::int32_t groupHeight, std::int32_t textHeight,
                                      std::int32_t count) {
    std::vector<TBounds> rects;
    if (count <= 0) return rects;
    const std::int32_t inner = groupHeight - textHeight - 5;
    const std::int32_t height = inner / count;
    std::int32_t top = textHeight + 1 + (inner % count) / 2;
    rects.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        rects.push_back(TBounds{8, top, groupWidth - 10, height});
        top += height;
    }
    return rects;
}

std::int32_t ScaleDesignValue(std::int32_t value, std::int32_t numerator, std::int32_t denominator) {
    if (denominator == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    const std::int64_t magnitude = (std::llabs(product) * 2 + std::llabs(denominator)) / (2 * std::llabs(denominator));
    const bool negative = (product < 0) != (denominator < 0);
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

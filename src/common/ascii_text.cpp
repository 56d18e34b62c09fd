// Decimal numbers without the C++ stream or locale machinery.
#include "common/ascii_text.h"

#include <cstdio>

std::string Number(int value, bool twoDigits) {
    char text[16];
    std::snprintf(text, sizeof text, twoDigits ? "%02d" : "%d", value);
    return text;
}

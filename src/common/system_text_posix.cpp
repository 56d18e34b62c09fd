// System text on Linux: UTF-8, with iconv for the Shift-JIS officer names.
#include "common/system_text.h"

#include <iconv.h>

#include <memory>

std::size_t SystemCharLength(std::string_view text, std::size_t pos) {
    const auto b = static_cast<unsigned char>(text[pos]);
    std::size_t length = 1;
    if (b >= 0xF0) {
        length = 4;
    } else if (b >= 0xE0) {
        length = 3;
    } else if (b >= 0xC0) {
        length = 2;
    }
    // A sequence cut short, or a stray continuation byte, counts byte by byte.
    for (std::size_t i = 1; i < length; ++i) {
        if (pos + i >= text.size() || (static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80) return 1;
    }
    return length;
}

bool DecodeSjisCharacter(std::string_view sjisChar, std::string& out) {
    struct IconvCloser {
        void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
    };
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    std::unique_ptr<void, IconvCloser> guard(cd);

    std::string in(sjisChar);
    char buffer[16];
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0) return false;
    out.assign(buffer, outPtr);
    return true;
}

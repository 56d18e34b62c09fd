// Code-page independent helpers over the system's byte strings.
#include "common/system_text.h"

std::size_t LastCharacterStart(std::string_view text, std::size_t (*charLength)(std::string_view, std::size_t)) {
    std::size_t pos = 0;
    std::size_t last = 0;
    while (pos < text.size()) {
        last = pos;
        pos += charLength(text, pos);
    }
    return last;
}

namespace {

bool IsSjisTrailByte(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

void AppendEscaped(std::string& out, unsigned char b, TByteEscape escape) {
    static const char kHex[] = "0123456789ABCDEF";
    out += escape == TByteEscape::Backslash ? "\\x" : "<";
    out += kHex[b >> 4];
    out += kHex[b & 0x0F];
    if (escape == TByteEscape::Angle) out += '>';
}

}  // namespace

std::string SjisToReadableText(std::string_view sjis, TByteEscape escape) {
    std::string out;
    std::size_t pos = 0;
    while (pos < sjis.size()) {
        const auto b = static_cast<unsigned char>(sjis[pos]);
        // The backslash is escaped too, so that every \x in the output is ours.
        if (b >= 0x20 && b <= 0x7E && b != '\\') {
            out += static_cast<char>(b);
            ++pos;
            continue;
        }
        std::size_t length = 0;
        if (b >= 0xA1 && b <= 0xDF) {
            length = 1;  // half-width katakana
        } else if (IsSjisLeadByte(b) && pos + 1 < sjis.size() &&
                   IsSjisTrailByte(static_cast<unsigned char>(sjis[pos + 1]))) {
            length = 2;
        }
        std::string decoded;
        if (length > 0 && DecodeSjisCharacter(sjis.substr(pos, length), decoded)) {
            out += decoded;
            pos += length;
        } else {
            AppendEscaped(out, static_cast<unsigned char>(sjis[pos]), escape);
            ++pos;
        }
    }
    return out;
}

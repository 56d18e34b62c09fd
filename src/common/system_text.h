// Byte strings in the system's code page (CP932 on Windows, UTF-8 on Linux)
// and the Shift-JIS officer names, which are CP932 on every platform.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// True for a byte that starts a two-byte Shift-JIS character.
constexpr bool IsSjisLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// Length in bytes of the system code page character that starts at text[pos]
// (at least 1, never past the end).
std::size_t SystemCharLength(std::string_view text, std::size_t pos);

// Length of the Shift-JIS character starting at text[pos]; a lead byte with
// nothing after it counts as a character of its own.
inline std::size_t SjisCharLength(std::string_view text, std::size_t pos) {
    return IsSjisLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

// Byte offset of the last character of a non-empty text, walking it
// character by character from its start: characters of the system's code
// page, or of Shift-JIS with SjisCharLength.
std::size_t LastCharacterStart(std::string_view text,
                               std::size_t (*charLength)(std::string_view, std::size_t) = SystemCharLength);

// Shift-JIS (CP932) bytes as readable text in the system code page; bytes
// that are not text (controls, NUL, broken characters, the backslash) come
// out as \xNN, or as <NN> for the screen, where a Japanese font draws "\"
// as a yen sign.
enum class TByteEscape { Backslash, Angle };
std::string SjisToReadableText(std::string_view sjis, TByteEscape escape = TByteEscape::Backslash);

// One Shift-JIS character (one or two bytes) converted to the system code
// page; false when the platform has no such character.
bool DecodeSjisCharacter(std::string_view sjisChar, std::string& out);

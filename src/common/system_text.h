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

// Byte offset of the last character of a non-empty text, walking it
// character by character from its start.
std::size_t LastCharacterStart(std::string_view text);

// Shift-JIS (CP932) bytes as readable text in the system code page; bytes
// that are not text (controls, NUL, broken characters, the backslash) come
// out as \xNN, or as <NN> for the screen, where a Japanese font draws "\"
// as a yen sign.
enum class TByteEscape { Backslash, Angle };
std::string SjisToReadableText(std::string_view sjis, TByteEscape escape = TByteEscape::Backslash);

// One Shift-JIS character (one or two bytes) converted to the system code
// page; false when the platform has no such character.
bool DecodeSjisCharacter(std::string_view sjisChar, std::string& out);

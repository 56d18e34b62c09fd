// Reader of Valve's binary key-value files (userdata/*/config/shortcuts.vdf).
#pragma once

#include <optional>
#include <string_view>

#include "places/vdf_object.h"

// The file's top level as one object. Each entry is a type byte, a key ending
// in a zero byte, then its value: 0x00 an object up to its 0x08, 0x01 a
// string ending in a zero byte, 0x02 a 32-bit number (kept as the unsigned
// decimal of its little-endian bits: a shortcut's appid as its compatdata
// folder is named), 0x03, 0x04 and 0x06 four bytes and 0x07 and 0x0A eight
// bytes (skipped); the top level ends with 0x08 or with the bytes. Nothing
// when the bytes are damaged: an unknown type, a cut entry or object, bytes
// after the top level's 0x08, or nesting deeper than kVdfMaxDepth.
std::optional<TVdfObject> ParseBinaryVdf(std::string_view bytes);

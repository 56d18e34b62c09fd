// SHA-256 of a byte string, for recognising a save file byte for byte.
#pragma once

#include <string>
#include <string_view>

// The digest as 64 lowercase hexadecimal digits.
std::string Sha256Hex(std::string_view bytes);

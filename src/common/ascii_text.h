// Locale-free text helpers: ASCII case folding and decimal numbers.
#pragma once

#include <string>

// 'A' to 'Z' lowered; every other byte, lead and trail bytes included, as is.
constexpr char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
// 'a' to 'z' raised; every other byte as is.
constexpr char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The value in decimal, with a leading zero below 10 when twoDigits is set.
std::string Number(int value, bool twoDigits);

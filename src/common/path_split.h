// Splitting and stripping paths held in the system's code page, character by
// character: in CP932 the trail byte of a double-byte character can be 0x5C
// ("\"), which is no separator. Every split of a path goes through here.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A separator: the system's own, and "/" also on Windows.
bool IsPathSeparator(char c);

// The byte offsets of the separators of path at or after from, walking it
// character by character from its start.
std::vector<std::size_t> PathSeparators(std::string_view path, std::size_t from = 0);

// The path without the separators at its end.
std::string WithoutTrailingSeparators(std::string_view path);

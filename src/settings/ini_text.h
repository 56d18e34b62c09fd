// INI text as the profile functions read and edit it, on a file's bytes in
// memory: lookup of a key and the file text after one key is set.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The value of key in section: blanks around "=" and at both ends dropped,
// one pair of matching enclosing quotes removed. Section and key names match
// regardless of ASCII case; the first matching section and key count.
// Nothing when the section or the key is missing.
std::optional<std::string> IniTextLookup(std::string_view content, std::string_view section, std::string_view key);

// The text with key set to value in section. An existing value is replaced
// in its line; a new key goes after the last line of its section, a new
// section at the end. Every other byte stays as it was.
std::string IniTextAssign(std::string_view content, std::string_view section, std::string_view key,
                          std::string_view value);

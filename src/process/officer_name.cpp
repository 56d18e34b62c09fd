// The new officer name built from the scenario's name with the suffix "嗣",
// and its storing into a record's 12 name bytes.
#include <algorithm>
#include <cstring>

#include "common/system_text.h"
#include "process/process.h"

namespace {

constexpr std::size_t kNameLength = sizeof(TOfficerRecord::OfficerName);  // 12
constexpr std::size_t kFamilyLength = 6;                                  // name bytes 1 to 6, the family name
constexpr std::size_t kGivenField = 6;                                    // name bytes 7 to 12, the suffix included
constexpr std::size_t kNoSeparatorCut = 9;                                // bytes kept when the name has no separator
constexpr std::size_t kSuffixLength = sizeof kOfficerNameSuffix - 1;
constexpr unsigned char kSpace = 0x20;

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= kSpace; }

// Given name after the separating space: the family name stays, the given name
// loses its blank bytes at both ends, gets the suffix and is right-aligned in
// bytes 7 to 12. A given name too long for the suffix loses whole characters
// from its end, so the suffix is never cut and no character is split.
std::string BuildWithGivenName(std::string_view name) {
    std::string_view given = name.substr(kFamilyLength, kGivenField);
    while (!given.empty() && IsBlank(given.front())) given.remove_prefix(1);
    while (!given.empty() && IsBlank(given.back())) given.remove_suffix(1);
    while (given.size() + kSuffixLength > kGivenField)
        given = given.substr(0, LastCharacterStart(given, SjisCharLength));

    std::string built(name.substr(0, kFamilyLength));
    built.append(kGivenField - given.size() - kSuffixLength, static_cast<char>(kSpace));
    built.append(given);
    built.append(kOfficerNameSuffix, kSuffixLength);
    return built;
}

// No separator: the first 9 bytes and the suffix, or the first 8 when the
// ninth byte starts a double-byte character that the cut would split.
std::string BuildWithoutSeparator(std::string_view name) {
    std::size_t cut = 0;
    while (cut < kNoSeparatorCut) cut += SjisCharLength(name, cut);
    if (cut > kNoSeparatorCut) cut -= 2;  // only a two-byte character at byte 9 overshoots
    std::string built(name.substr(0, cut));
    built.append(kOfficerNameSuffix, kSuffixLength);
    return built;
}

}  // namespace

std::string BuildNewOfficerName(std::string_view scenarioName) {
    // Works on exactly 12 bytes; a shorter input counts as padded with 0x00.
    std::string name(scenarioName.substr(0, kNameLength));
    name.resize(kNameLength, '\0');
    if (static_cast<unsigned char>(name[kFamilyLength]) == kSpace) return BuildWithGivenName(name);
    return BuildWithoutSeparator(name);
}

void StoreOfficerName(TOfficerRecord& record, std::string_view builtName) {
    const std::size_t count = std::min(builtName.size(), kNameLength);
    std::memcpy(record.OfficerName, builtName.data(), count);
    std::memset(record.OfficerName + count, 0, kNameLength - count);
}

// Fuzz target: the name builder and storing into a record. Input: a save
// record (38 bytes) and the scenario's name (12 bytes), padded with 0x00.
#include <cstring>
#include <string>

#include "common/system_text.h"
#include "fuzz_check.h"
#include "process/process.h"

namespace {

constexpr std::size_t kName = 12;
const std::string kSuffix = kOfficerNameSuffix;

bool IsTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// Whether position pos of name falls between the two bytes of a whole
// double-byte character (a lead byte followed by a valid trail byte).
bool SplitsCharacterAt(const std::string& name, std::size_t pos) {
    std::size_t i = 0;
    while (i < pos) {
        const bool pair = IsSjisLeadByte(static_cast<unsigned char>(name[i])) && i + 1 < name.size() &&
                          IsTrailByte(static_cast<unsigned char>(name[i + 1]));
        if (pair && i + 1 == pos) return true;
        i += pair ? 2 : 1;
    }
    return false;
}

// The name bytes taken over from the scenario's name, as [start, end) in it.
void CheckCopiedPart(const std::string& name, const std::string& built, std::size_t start, std::size_t end,
                     std::size_t at) {
    FUZZ_CHECK(built.compare(at, end - start, name, start, end - start) == 0);
    FUZZ_CHECK(!SplitsCharacterAt(name, start) && !SplitsCharacterAt(name, end));
}

void CheckBuiltName(const std::string& name, const std::string& built) {
    FUZZ_CHECK(built.size() >= 10 && built.size() <= 12);
    FUZZ_CHECK(built.compare(built.size() - 2, 2, kSuffix) == 0);
    const std::size_t copied = built.size() - 2;
    if (static_cast<unsigned char>(name[6]) != 0x20) {
        FUZZ_CHECK(copied == 8 || copied == 9);  // the first 9 bytes, 8 not to split one
        CheckCopiedPart(name, built, 0, copied, 0);
        return;
    }
    FUZZ_CHECK(built.size() == 12);
    CheckCopiedPart(name, built, 0, 6, 0);
    // The given name, blanks dropped at both ends, right-aligned before the suffix.
    std::size_t pad = 6;
    while (pad < copied && built[pad] == ' ') ++pad;
    const std::string given = built.substr(pad, copied - pad);
    if (given.empty()) return;
    const std::size_t start = name.find(given, 7);
    FUZZ_CHECK(start != std::string::npos && start + given.size() <= kName);
    for (std::size_t i = 7; i < start; ++i) FUZZ_CHECK(static_cast<unsigned char>(name[i]) <= 0x20);
    CheckCopiedPart(name, built, start, start + given.size(), pad);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    input.resize(sizeof(TOfficerRecord) + kName, '\0');
    TOfficerRecord record;
    std::memcpy(&record, input.data(), sizeof record);
    const TOfficerRecord before = record;
    const std::string name = input.substr(sizeof record, kName);

    const std::string built = BuildNewOfficerName(name);
    CheckBuiltName(name, built);
    StoreOfficerName(record, built);

    FUZZ_CHECK(std::memcmp(record.Head, before.Head, sizeof record.Head) == 0);
    FUZZ_CHECK(std::memcmp(record.Tail, before.Tail, sizeof record.Tail) == 0);
    std::string stored(reinterpret_cast<const char*>(record.OfficerName), kName);
    FUZZ_CHECK(stored.compare(0, built.size(), built) == 0);
    FUZZ_CHECK(stored.find_first_not_of('\0', built.size()) == std::string::npos);
    // The stored name depends on the scenario's name alone.
    FUZZ_CHECK(BuildNewOfficerName(name) == built);
    return 0;
}

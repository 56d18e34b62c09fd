// Builds the synthetic game data of the end-to-end tests.
#include "e2e/game_folder.h"

#include <windows.h>

#include <cctype>
#include <cstdlib>
#include <sstream>

#include "common/paths.h"
#include "file_kit/game_folder.h"
#include "process/officer_file.h"
#include "support/officer_files.h"

namespace e2e {
namespace {

struct TNameCase {
    const char* Scenario;  // 12 name bytes in the scenario
    const char* Stored;    // 12 name bytes the rewrite stores into a differing save record
};

// Both name layouts (a given name after a separating space, and no separator)
// with space and zero padding.
const TNameCase kNameCases[] = {
    {"\x8E\x52\x93\x63\x20\x20\x20\x91\xBE\x98\x59\x20", "\x8E\x52\x93\x63\x20\x20\x91\xBE\x98\x59\x8E\x6B"},
    {"\x8E\x52\x93\x63\x20\x20\x20\x91\xBE\x20\x20\x20", "\x8E\x52\x93\x63\x20\x20\x20\x20\x91\xBE\x8E\x6B"},
    {"\x8E\x52\x93\x63\x91\xBE\x98\x59\x20\x20\x20\x20", "\x8E\x52\x93\x63\x91\xBE\x98\x59\x20\x8E\x6B\x00"},
    {"\x8E\x52\x93\x63\x20\x20\x20\x00\x00\x00\x00\x00", "\x8E\x52\x93\x63\x20\x20\x20\x20\x20\x20\x8E\x6B"},
};
constexpr int kNameCaseCount = sizeof(kNameCases) / sizeof(kNameCases[0]);
const char kTrailer[] = "after the last record";

std::string Name(const char* bytes) { return std::string(bytes, 12); }

const TNameCase& CaseOf(int index) { return kNameCases[(index / 2) % kNameCaseCount]; }
bool NameDiffers(int index) { return index % 2 == 0; }

// Salts of the record filler bytes, telling the scenario's file from the saves'.
constexpr unsigned kScenarioSalt = 'A';
constexpr unsigned kSaveSalt = 'a';

// A differing save name: the scenario's with its padding byte changed.
std::string DifferingName(std::string name) {
    name[11] = name[11] == '\0' ? ' ' : '\0';
    return name;
}

std::string SaveFile(bool rewritten) {
    const auto nameOf = [rewritten](std::int32_t i) {
        const TNameCase& names = CaseOf(i);
        std::string name = Name(names.Scenario);
        if (!NameDiffers(i)) return name;
        return rewritten ? Name(names.Stored) : DifferingName(name);
    };
    return OfficerFileBytes(kOfficerCount, nameOf, kSaveSalt) + kTrailer;
}

}  // namespace

std::string E2eRoot() {
    std::string root;
    if (const char* given = std::getenv("KASUMIRO_E2E_ROOT"); given && *given) {
        root = given;
    } else {
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof(temp), temp);
        root = temp;
    }
    // The shell reports drive letters in upper case; paths compared with its answers must match.
    if (root.size() >= 2 && root[1] == ':')
        root[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(root[0])));
    return root;
}

std::string ShownDate(const TSlotTime& time) {
    static const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                          "July",    "August",   "September", "October", "November", "December"};
    const std::string year = std::to_string(time.Year);
    const std::string day = std::to_string(time.Day);
    if (GetACP() == 932) return year + "年" + std::to_string(time.Month) + "月" + day + "日";
    return std::string(kMonths[time.Month - 1]) + " " + day + ", " + year;
}

std::string ScenarioOfficerFile() {
    return OfficerFileBytes(
        kOfficerCount, [](std::int32_t i) { return Name(CaseOf(i).Scenario); }, kScenarioSalt);
}

std::string SaveOfficerFile() { return SaveFile(false); }
std::string RewrittenSaveOfficerFile() { return SaveFile(true); }

std::string SlotFolder(const std::string& gameDir, int slotIndex) {
    return gameDir + SaveSlotName(slotIndex + 1) + "\\";
}

void MakeGameFolder(const std::string& gameDir, const TSlotTimes& slots) {
    const auto systemFile = [](const TSlotTime& t) {
        return TSlotSystemFile{std::string(64, '\x01'), TDateStamp{t.Year, t.Month, t.Day, t.Hour, t.Minute, 0}};
    };
    TGameFolderContents game{ScenarioOfficerFile(), SaveOfficerFile(), {}};
    for (const std::optional<TSlotTime>& slot : slots) {
        game.Slots.push_back(slot ? std::optional(systemFile(*slot)) : std::nullopt);
    }
    ::MakeGameFolder(gameDir, game);
}

std::string FileDifference(const std::optional<std::string>& expected, const std::optional<std::string>& actual) {
    if (!expected && !actual) return {};
    if (!actual) return "the file is missing or unreadable";
    if (!expected) return "the file exists but should not";
    size_t at = 0;
    while (at < expected->size() && at < actual->size() && (*expected)[at] == (*actual)[at]) ++at;
    if (at == expected->size() && at == actual->size()) return {};
    return "expected " + std::to_string(expected->size()) + " bytes, found " + std::to_string(actual->size()) +
           "; first difference at byte " + std::to_string(at) + " (record " + std::to_string(at / kOfficerRecordSize) +
           ", offset " + std::to_string(at % kOfficerRecordSize) + ")";
}

std::string SettingsText(const std::string& baseDir, int saveData) {
    return "[Kasumiro]\r\nBaseDir=" + baseDir + "\r\nSaveData=" + std::to_string(saveData) + "\r\n";
}

std::vector<std::string> SettingsLines(const std::string& iniPath) {
    std::vector<std::string> lines;
    std::istringstream text(TryReadFileBytes(iniPath).value_or(""));
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

}  // namespace e2e

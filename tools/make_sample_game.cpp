// make-sample-game: writes a synthetic game folder (NEW.DAT, LOG1.DAT to LOG5.DAT) to try Kasumiro on.
#include <cstdint>
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/paths.h"
#include "file_kit/file_time.h"
#include "file_kit/temp_dir.h"
#include "process/officer_file.h"
#include "sample_names.h"

namespace {

// A small fixed-seed generator (splitmix64): the same folder on every run and platform.
class TSampleRandom {
public:
    explicit TSampleRandom(std::uint64_t seed) : state_(seed) {}
    std::uint32_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
    }
    // A number from 0 to n - 1.
    std::size_t Below(std::size_t n) { return Next() % n; }
    std::uint8_t Byte() { return static_cast<std::uint8_t>(Next()); }

private:
    std::uint64_t state_;
};

template <std::size_t N>
const char* Pick(TSampleRandom& random, const TSampleName (&table)[N]) {
    return table[random.Below(N)].Sjis;
}

// Given names of one to three different kanji.
std::string GivenName(TSampleRandom& random, std::size_t kanji) {
    std::string given;
    while (given.size() < 2 * kanji) {
        const std::string next = Pick(random, kSampleGivenKanji);
        if (given.find(next) == std::string::npos) given += next;
    }
    return given;
}

// A 12-byte officer name. Most are the game's usual layout: a two-character
// family name padded with spaces to 6 bytes, the separating space as byte 7,
// and a one- or two-character given name padded with 0x20 or 0x00. The rest
// run family and given name together, padded with 0x00.
std::string OfficerName(TSampleRandom& random) {
    std::string name = Pick(random, kSampleFamilyNames);
    char padding = '\0';
    if (random.Below(100) < 80) {
        name += "   ";
        name += GivenName(random, 1 + random.Below(2));
        if (random.Below(2) == 0) padding = ' ';
    } else {
        name += GivenName(random, 2 + random.Below(2));
    }
    name.resize(sizeof(TOfficerRecord::OfficerName), padding);
    return name;
}

void SetName(TOfficerRecord& record, const std::string& name) {
    for (std::size_t i = 0; i < sizeof record.OfficerName; ++i)
        record.OfficerName[i] = static_cast<std::uint8_t>(name[i]);
}

std::string NameOf(const TOfficerRecord& record) {
    return std::string(reinterpret_cast<const char*>(record.OfficerName), sizeof record.OfficerName);
}

std::vector<TOfficerRecord> ScenarioRecords() {
    TSampleRandom random(1998);
    std::vector<TOfficerRecord> records(kOfficerCount);
    for (TOfficerRecord& record : records) {
        for (std::uint8_t& b : record.Head) b = random.Byte();
        SetName(record, OfficerName(random));
        for (std::uint8_t& b : record.Tail) b = random.Byte();
    }
    return records;
}

// A played game: about 15% of the officers carry a name the game gave them
// (mostly an heir of the same family), and about half have other changed
// stats, which the rewrite must leave alone.
std::vector<TOfficerRecord> PlayedRecords(const std::vector<TOfficerRecord>& scenario, int slot) {
    TSampleRandom random(static_cast<std::uint64_t>(slot) * 7919);
    std::vector<TOfficerRecord> records = scenario;
    for (TOfficerRecord& record : records) {
        if (random.Below(100) < 15) {
            std::string name;
            do {
                name = OfficerName(random);
                if (random.Below(10) < 7) name.replace(0, 4, NameOf(record), 0, 4);
            } while (name == NameOf(record));
            SetName(record, name);
        }
        if (random.Below(2) == 0) record.Tail[random.Below(sizeof record.Tail)] = random.Byte();
    }
    return records;
}

void WriteOfficerFile(const std::string& folder, const std::vector<TOfficerRecord>& records) {
    WriteFileBytes(folder + kOfficerFileName,
                   std::string(reinterpret_cast<const char*>(records.data()), records.size() * sizeof(TOfficerRecord)));
}

void WriteSlot(const std::string& gameFolder, const std::vector<TOfficerRecord>& scenario, int slot,
               const TDateStamp* savedAt) {
    const std::string folder = gameFolder + SaveSlotName(slot) + kPathSeparator;
    MakeFolder(folder);
    const std::string systemFile = folder + kSlotTimeFileName;
    if (savedAt == nullptr) {
        // An empty slot: the game leaves the officer file but no SYSTEM.BIN.
        WriteOfficerFile(folder, scenario);
        std::remove(systemFile.c_str());
        return;
    }
    WriteOfficerFile(folder, PlayedRecords(scenario, slot));
    std::string system(64, '\0');
    TSampleRandom random(static_cast<std::uint64_t>(slot));
    for (char& c : system) c = static_cast<char>(random.Byte());
    WriteFileBytes(systemFile, system);
    SetFileLocalTime(systemFile, *savedAt);
}

void MakeSampleGame(const std::string& gameFolder) {
    MakeFolder(gameFolder);
    const std::vector<TOfficerRecord> scenario = ScenarioRecords();
    const std::string scenarioFolder = gameFolder + kScenarioFolderName + kPathSeparator;
    MakeFolder(scenarioFolder);
    WriteOfficerFile(scenarioFolder, scenario);

    static constexpr TDateStamp kSlot1{1998, 4, 3, 21, 5, 0};
    static constexpr TDateStamp kSlot2{1998, 11, 23, 9, 7, 0};
    static constexpr TDateStamp kSlot4{1999, 1, 1, 0, 0, 0};
    const TDateStamp* savedAt[] = {&kSlot1, &kSlot2, nullptr, &kSlot4, nullptr};
    for (int slot = 1; slot <= kSaveSlotCount; ++slot) WriteSlot(gameFolder, scenario, slot, savedAt[slot - 1]);
}

constexpr char kUsage[] =
    "usage: make-sample-game GAME_FOLDER\n"
    "Makes or refreshes GAME_FOLDER with NEW.DAT and LOG1.DAT to LOG5.DAT;\n"
    "slots 1, 2 and 4 hold saved games, slots 3 and 5 are empty.\n";

}  // namespace

int main(int argc, char** argv) {
    // Asked for help, it answers on standard output; a folder named like an
    // option is given after "--" (or as ./-name).
    const std::string first = argc > 1 ? argv[1] : "";
    if (argc == 2 && (first == "--help" || first == "-h")) {
        std::cout << kUsage << std::flush;
        return std::cout ? 0 : 1;
    }
    const bool optionsEnded = argc == 3 && first == "--";
    const char* folder = optionsEnded ? argv[2] : argc == 2 ? argv[1] : "";
    if (folder[0] == '\0' || (!optionsEnded && folder[0] == '-')) {
        std::cerr << kUsage;
        return 2;
    }
    try {
        MakeSampleGame(GameFolderPath(folder));
    } catch (const std::exception& e) {
        std::cerr << "make-sample-game: " << e.what() << '\n';
        return 1;
    }
    return 0;
}

// The one builder of the tests' game folders: the scenario folder and the
// save slot folders with their officer files and the used slots' SYSTEM.BIN.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/locale_info.h"

// A test's game folder with a scenario folder and the first save slot's
// folder; the test writes their officer files.
struct TGameFolders {
    std::string Scenario;      // ends in the separator
    std::string Save;          // ends in the separator
    std::string ScenarioFile;  // Scenario + "BUSYO21.BIN"
    std::string SaveFile;      // Save + "BUSYO21.BIN"
};
TGameFolders MakeGameFolders(const std::string& root);

// A used slot's SYSTEM.BIN: its bytes, and the local time it was last
// written (none: left as the system wrote it).
struct TSlotSystemFile {
    std::string Bytes;
    std::optional<TDateStamp> WrittenAt;
};

// A whole game folder: the scenario's officer file, the one every slot
// folder holds, and the slots from the first on (none: an empty slot; slots
// past the list's end are empty too).
struct TGameFolderContents {
    std::string ScenarioOfficers;
    std::string SaveOfficers;
    std::vector<std::optional<TSlotSystemFile>> Slots;
};

// Makes gameDir (ending in the separator) with the scenario folder and all
// save slot folders, each holding its officer file, and SYSTEM.BIN in the
// used slots.
void MakeGameFolder(const std::string& gameDir, const TGameFolderContents& contents);

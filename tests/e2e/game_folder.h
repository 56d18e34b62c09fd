// Synthetic game folders, officer files and settings files for the
// end-to-end tests.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "file_kit/temp_dir.h"

namespace e2e {

// A local wall-clock time at which a slot's SYSTEM.BIN was last written.
struct TSlotTime {
    int Year, Month, Day, Hour, Minute;
};

// The year, month and day as a slot label shows them in the system's long
// date: 1998年4月3日 on a Japanese system, April 3, 1998 on an English one.
std::string ShownDate(const TSlotTime& time);

// The slots of a game folder: a time for a used slot, none for an empty one.
using TSlotTimes = std::vector<std::optional<TSlotTime>>;

// Where the tests' folders go: KASUMIRO_E2E_ROOT when set, else the
// temporary folder; with the drive letter in upper case, as the shell reports it.
std::string E2eRoot();

// Officer files: the scenario's, a save's before the rewrite (half of the
// names differ, every other byte differs from the scenario's, and a few bytes
// follow the last record), and the same save as the rewrite must leave it.
std::string ScenarioOfficerFile();
std::string SaveOfficerFile();
std::string RewrittenSaveOfficerFile();

// Makes gameDir (ending in "\") with NEW.DAT and LOG1.DAT..LOG5.DAT, each with
// an officer file, and SYSTEM.BIN in the used slots.
void MakeGameFolder(const std::string& gameDir, const TSlotTimes& slots);
std::string SlotFolder(const std::string& gameDir, int slotIndex);

// Empty when the two files are equal; otherwise where they first differ, for failure messages.
std::string FileDifference(const std::optional<std::string>& expected, const std::optional<std::string>& actual);

// Settings file text as the user's earlier run would have left it.
std::string SettingsText(const std::string& baseDir, int saveData);
// The settings file's non-empty lines, without line ends.
std::vector<std::string> SettingsLines(const std::string& iniPath);

}  // namespace e2e

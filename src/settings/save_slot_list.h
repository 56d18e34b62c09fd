// The save slot list: the stored slot selection, and each slot's label with
// its SYSTEM.BIN's time or "---" and whether the slot is empty.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/date_text.h"
#include "settings/ini_file.h"

// One slot's label, and whether the slot holds no dated save (its label then
// ends in "---"; the flag, not the text, says so).
struct TSaveSlotLabel {
    std::string Text;
    bool Empty = false;
};

// The stored slot index of the settings file, -1 when none is stored or it is
// no number; not yet clamped to the slots there are.
std::int32_t StoredSaveSlotIndex(const TIniFile& iniFile);

// The labels of the named slots (the save slot folders' names), in order.
// Uses the program's current date settings unless given others.
std::vector<TSaveSlotLabel> SaveSlotLabels(const std::string& baseDir, const std::vector<std::string>& slotNames);
std::vector<TSaveSlotLabel> SaveSlotLabels(const std::string& baseDir, const std::vector<std::string>& slotNames,
                                           const TDateSettings& dateSettings);

// The label of one slot: slotName, then "  " and the date text of its
// SYSTEM.BIN's last write, or "  ---" when the slot holds no dated file.
TSaveSlotLabel SaveSlotLabelOf(const std::string& baseDir, const std::string& slotName,
                               const TDateSettings& dateSettings);
// Its text alone.
std::string SaveSlotLabel(const std::string& baseDir, const std::string& slotName);
std::string SaveSlotLabel(const std::string& baseDir, const std::string& slotName, const TDateSettings& dateSettings);

// The path whose time stamp a slot shows: baseDir + slotName + separator + "SYSTEM.BIN".
std::string SaveSlotPath(const std::string& baseDir, const std::string& slotName);

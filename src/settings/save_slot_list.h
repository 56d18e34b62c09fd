// The save slot list: restores the stored slot selection and labels each of
// the five slots with its SYSTEM.BIN's time or "---".
#pragma once

#include <string>

#include "settings/date_text.h"
#include "settings/ini_file.h"
#include "common/radio_group.h"

// Uses the program's current date settings.
void RefreshSaveDataList(TRadioGroup& saveDataGroup, const TIniFile& iniFile, const std::string& baseDir);
void RefreshSaveDataList(TRadioGroup& saveDataGroup, const TIniFile& iniFile, const std::string& baseDir,
                         const TDateSettings& dateSettings);

// The label of one slot: slotName, then "  " and the date text of its
// SYSTEM.BIN's last write, or "  ---" when the slot holds no dated file.
std::string SaveSlotLabel(const std::string& baseDir, const std::string& slotName);
std::string SaveSlotLabel(const std::string& baseDir, const std::string& slotName, const TDateSettings& dateSettings);

// Whether a slot label is that of an empty slot (it ends in "---").
bool IsEmptySlotLabel(const std::string& label);

// The path whose time stamp a slot shows: baseDir + slotName + separator + "SYSTEM.BIN".
std::string SaveSlotPath(const std::string& baseDir, const std::string& slotName);

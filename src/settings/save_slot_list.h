// The save slot list: restores the stored slot selection and labels each of
// the five slots with its SYSTEM.BIN's time or "---".
#pragma once

#include <string>

#include "settings/ini_file.h"
#include "ui/radio_group.h"

void RefreshSaveDataList(TRadioGroup& saveDataGroup, const TIniFile& iniFile, const std::string& baseDir);

// The label of one slot: slotName, then "  " and the date text of its
// SYSTEM.BIN's last write, or "  ---" when the slot holds no dated file.
std::string SaveSlotLabel(const std::string& baseDir, const std::string& slotName);

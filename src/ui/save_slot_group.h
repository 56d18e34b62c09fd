// The save slot group's refresh: the stored selection, then each slot's label
// and empty flag from the game folder.
#pragma once

#include <string>

#include "settings/date_text.h"
#include "settings/ini_file.h"
#include "ui/radio_group.h"

// Checks the stored slot (clamped to the group; a click handler that this
// runs sees the labels as they were), then relabels every item from the slot
// folder its name names. Uses the program's current
// date settings unless given others.
void RefreshSaveDataList(TRadioGroup& saveDataGroup, const TIniFile& iniFile, const std::string& baseDir);
void RefreshSaveDataList(TRadioGroup& saveDataGroup, const TIniFile& iniFile, const std::string& baseDir,
                         const TDateSettings& dateSettings);

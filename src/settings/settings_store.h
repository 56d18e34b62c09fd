// The settings the main window keeps: the game folder and the selected slot,
// in section "Kasumiro" of the settings file.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "settings/ini_file.h"

inline constexpr char kSettingsSection[] = "Kasumiro";
inline constexpr char kBaseDirKey[] = "BaseDir";
inline constexpr char kSaveDataKey[] = "SaveData";

struct TStartupSettings {
    bool HasGameFolder = false;
    std::string ChooserDirectory;  // the stored folder without one trailing "\"
};

// Start-up load: creates iniFile for the path and reads the game folder into
// baseDir (left alone when none is stored).
TStartupSettings LoadStartupSettings(const std::string& settingsPath, std::unique_ptr<TIniFile>& iniFile,
                                     std::string& baseDir);

// Folder store after a confirmed folder choice: baseDir becomes directory
// plus a separator, then the folder and SaveData=-1 are written and flushed.
// A refused write stops right there, baseDir keeping its new value.
void StoreGameFolder(TIniFile& iniFile, std::string& baseDir, const std::string& directory);

// Shut-down store: writes the selected slot index, flushes and releases the
// file. A refused write leaves iniFile unreleased.
void StoreShutdownSettings(std::unique_ptr<TIniFile>& iniFile, std::int32_t saveDataIndex);

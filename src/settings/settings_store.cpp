// The three moments at which the main window touches the settings file.
#include "settings/settings_store.h"

#include "common/paths.h"

TStartupSettings LoadStartupSettings(const std::string& settingsPath, std::unique_ptr<TIniFile>& iniFile,
                                     std::string& baseDir) {
    iniFile = std::make_unique<TIniFile>(settingsPath);
    const std::string stored = iniFile->ReadString(kSettingsSection, kBaseDirKey, "Error");
    // "Error" is the marker of no folder stored; its case matters.
    if (stored == "Error" || stored.empty()) return {};

    baseDir = stored;
    TStartupSettings result;
    result.HasGameFolder = true;
    result.ChooserDirectory = stored;
    // One separator at the end goes, a whole character: a CP932 trail byte may be 0x5C.
    if (EndsWithSeparator(stored)) result.ChooserDirectory.pop_back();
    return result;
}

void StoreGameFolder(TIniFile& iniFile, std::string& baseDir, const std::string& directory) {
    // The separator is appended whatever the path ends with (a drive root gets a second one).
    baseDir = directory + kPathSeparator;
    iniFile.WriteString(kSettingsSection, kBaseDirKey, baseDir);
    iniFile.WriteInteger(kSettingsSection, kSaveDataKey, -1);
    iniFile.UpdateFile();
}

void StoreShutdownSettings(std::unique_ptr<TIniFile>& iniFile, std::int32_t saveDataIndex) {
    if (!iniFile) return;
    iniFile->WriteInteger(kSettingsSection, kSaveDataKey, saveDataIndex);
    iniFile->UpdateFile();
    iniFile.reset();
}

// The settings file on Linux: in the user's settings folder, named after the program.
#include "common/executable_path.h"
#include "common/paths.h"
#include "settings/ini_file.h"

std::string SettingsFilePath() {
    return UserSettingsFolder() + SettingsPathFromExecutablePath(FileNameOfPath(ExecutablePath()));
}

// The settings file beside the Linux executable.
#include "common/executable_path.h"
#include "settings/ini_file.h"

std::string SettingsFilePath() { return SettingsPathFromExecutablePath(ExecutablePath()); }

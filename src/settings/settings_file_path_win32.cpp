// The settings file beside the Windows executable.
#include "common/executable_path.h"
#include "settings/ini_file.h"

std::string SettingsFilePath() { return SettingsPathFromModulePath(ExecutablePath()); }

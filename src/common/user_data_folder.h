// Where the program keeps the user's own data (the save backups).
#pragma once

#include <string>

// The program's folder for the user's data, ending in a separator: on Linux
// ${XDG_DATA_HOME:-~/.local/share}/kasumiro/, a relative XDG_DATA_HOME being
// ignored; on Windows %LOCALAPPDATA%\Kasumiro\ (the shell's local
// application data folder where the variable is not set, as on Windows XP),
// read as wide characters, a relative value or one the code page cannot hold
// exactly being refused (no look-alike folder is ever taken). Empty when the
// system names no such place.
std::string UserDataFolder();

// The environment variable that names that place when nothing else does:
// "HOME" on Linux, "LOCALAPPDATA" on Windows.
extern const char kUserDataVariable[];

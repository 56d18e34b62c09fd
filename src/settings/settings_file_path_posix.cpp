// The settings file on Linux: in the user's configuration folder, since a
// program in /usr/bin cannot write beside itself.
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "common/executable_path.h"
#include "settings/ini_file.h"

namespace {

// $HOME, or the home folder of the user's account when it is unset.
std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && home[0] != '\0') return home;
    const passwd* account = ::getpwuid(::getuid());
    return account && account->pw_dir ? account->pw_dir : "";
}

}  // namespace

std::string SettingsFilePath() {
    return SettingsPathInConfigFolder(std::getenv("XDG_CONFIG_HOME"), HomeFolder().c_str(), ExecutablePath());
}

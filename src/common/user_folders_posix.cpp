// Linux: the user's data and settings folders by the XDG rule.
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "common/paths.h"

const char kUserDataVariable[] = "HOME";

std::string UserDataFolder() {
    // NOLINTNEXTLINE(concurrency-mt-unsafe): read before any thread starts
    return XdgUserFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"), ".local/share");
}

std::string UserSettingsFolder() {
    // The settings may come from the account's home folder when $HOME is
    // unset; the backups are refused then instead (UserDataFolder is empty).
    const char* home = std::getenv("HOME");  // NOLINT(concurrency-mt-unsafe)
    if (home == nullptr || home[0] == '\0') {
        const passwd* account = ::getpwuid(::getuid());
        home = account != nullptr ? account->pw_dir : nullptr;
    }
    return XdgUserFolder(std::getenv("XDG_CONFIG_HOME"), home, ".config");  // NOLINT(concurrency-mt-unsafe)
}

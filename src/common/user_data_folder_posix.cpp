// Linux: the user's data under XDG_DATA_HOME, or ~/.local/share.
#include <cstdlib>

#include "common/path_split.h"
#include "common/user_data_folder.h"

const char kUserDataVariable[] = "HOME";

std::string UserDataFolder() {
    // Only an absolute XDG_DATA_HOME counts; a relative one is ignored.
    const char* data = std::getenv("XDG_DATA_HOME");  // NOLINT(concurrency-mt-unsafe): read before any thread starts
    std::string base;
    if (data != nullptr && data[0] == '/') {
        base = data;
    } else {
        const char* home = std::getenv("HOME");  // NOLINT(concurrency-mt-unsafe)
        if (home == nullptr || home[0] != '/') return "";
        base = std::string(home) + "/.local/share";
    }
    return WithoutTrailingSeparators(base) + "/kasumiro/";
}

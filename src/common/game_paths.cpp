// Game folder paths: slot names, the trailing separator and the folder of a path.
#include "common/game_paths.h"

#include "common/path_separator.h"
#include "common/system_text.h"

namespace {

bool IsSeparator(char c) { return c == kPathSeparator || c == '/'; }

}  // namespace

std::string SaveSlotName(int slot) { return "LOG" + std::to_string(slot) + ".DAT"; }

std::string ScenarioFolderOf(const std::string& gameFolder) {
    return gameFolder + kScenarioFolderName + kPathSeparator;
}

std::string SaveFolderOf(const std::string& gameFolder, const std::string& slotName) {
    return gameFolder + slotName + kPathSeparator;
}

std::string GameFolderPath(const std::string& folder) {
    // Look at the last whole character: in CP932 the trail byte of a
    // double-byte character can be 0x5C, which is not a separator.
    if (!folder.empty()) {
        const std::size_t last = LastCharacterStart(folder);
        if (last + 1 == folder.size() && IsSeparator(folder[last])) return folder;
    }
    return folder + kPathSeparator;
}

std::string FolderOfPath(const std::string& path) {
    // Walked character by character for the same reason as above.
    std::size_t end = 0;
    for (std::size_t pos = 0; pos < path.size(); pos += SystemCharLength(path, pos)) {
        if (IsSeparator(path[pos])) end = pos + 1;
    }
    return path.substr(0, end);
}

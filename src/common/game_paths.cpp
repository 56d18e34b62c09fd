// Game folder paths: slot names, the trailing separator and the folder of a path.
#include "common/game_paths.h"

#include "common/durable_file.h"
#include "common/error_codes.h"
#include "common/errors.h"
#include "common/path_separator.h"
#include "common/path_split.h"

std::string SaveSlotName(int slot) { return "LOG" + std::to_string(slot) + ".DAT"; }

std::string ScenarioFolderOf(const std::string& gameFolder) {
    return gameFolder + kScenarioFolderName + kPathSeparator;
}

std::string SaveFolderOf(const std::string& gameFolder, const std::string& slotName) {
    return gameFolder + slotName + kPathSeparator;
}

std::string GameFolderPath(const std::string& folder) {
    const std::vector<std::size_t> separators = PathSeparators(folder);
    if (!separators.empty() && separators.back() + 1 == folder.size()) return folder;
    return folder + kPathSeparator;
}

std::string FolderOfPath(const std::string& path) {
    const std::vector<std::size_t> separators = PathSeparators(path);
    return path.substr(0, separators.empty() ? 0 : separators.back() + 1);
}

void RequireFolder(const std::string& folder) {
    const std::string path = folder.empty() ? std::string(".") : folder;
    if (IsFolder(path)) return;
    if (PathKindOf(WithoutTrailingSeparators(path)) == TPathKind::Missing)
        throw EInOutError(kErrorPathNotFound, folder, kFolderNotFoundText);
    throw EInOutError(kErrorPathNotFound, folder, kNotAFolderText);
}

void RequireGameFolder(const std::string& gameFolder) {
    const std::vector<std::size_t> separators = PathSeparators(gameFolder);
    const bool ended = !separators.empty() && separators.back() + 1 == gameFolder.size();
    RequireFolder(ended ? gameFolder : FolderOfPath(gameFolder));
}

void RequireGameFolders(const std::string& gameFolder, const std::string& slotName) {
    RequireGameFolder(gameFolder);
    RequireFolder(ScenarioFolderOf(gameFolder));
    RequireFolder(SaveFolderOf(gameFolder, slotName));
}

// The game's paths: slot names, the scenario's and the slots' folders and
// files, and the checks that the folders are there.
#include "common/durable_file.h"
#include "common/error_codes.h"
#include "common/errors.h"
#include "common/paths.h"

std::string SaveSlotName(int slot) { return "LOG" + std::to_string(slot) + ".DAT"; }

std::string ScenarioFolderOf(const std::string& gameFolder) {
    return gameFolder + kScenarioFolderName + kPathSeparator;
}

std::string SaveFolderOf(const std::string& gameFolder, const std::string& slotName) {
    return gameFolder + slotName + kPathSeparator;
}

std::string SavePathOf(const std::string& gameFolder, const std::string& slotName) {
    return SaveFolderOf(gameFolder, slotName) + kOfficerFileName;
}

void RequireFolder(const std::string& folder) {
    const std::string path = folder.empty() ? std::string(".") : folder;
    if (IsFolder(path)) return;
    if (PathKindOf(WithoutTrailingSeparators(path)) == TPathKind::Missing)
        throw EInOutError(kErrorPathNotFound, folder, kFolderNotFoundText);
    throw EInOutError(kErrorPathNotFound, folder, kNotAFolderText);
}

void RequireGameFolder(const std::string& gameFolder) {
    RequireFolder(EndsWithSeparator(gameFolder) ? gameFolder : FolderOfPath(gameFolder));
}

void RequireGameFolders(const std::string& gameFolder, const std::string& slotName) {
    RequireGameFolder(gameFolder);
    RequireFolder(ScenarioFolderOf(gameFolder));
    RequireFolder(SaveFolderOf(gameFolder, slotName));
}

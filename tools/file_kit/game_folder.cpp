// Test game folders, built in one place for every test.
#include "file_kit/game_folder.h"

#include "common/paths.h"
#include "file_kit/file_time.h"
#include "file_kit/temp_dir.h"

TGameFolders MakeGameFolders(const std::string& root) {
    TGameFolders folders;
    folders.Scenario = root + kScenarioFolderName + kPathSeparator;
    folders.Save = root + SaveSlotName(1) + kPathSeparator;
    MakeFolder(folders.Scenario);
    MakeFolder(folders.Save);
    folders.ScenarioFile = folders.Scenario + kOfficerFileName;
    folders.SaveFile = folders.Save + kOfficerFileName;
    return folders;
}

void MakeGameFolder(const std::string& gameDir, const TGameFolderContents& contents) {
    MakeFolder(gameDir);
    const std::string scenario = gameDir + kScenarioFolderName + kPathSeparator;
    MakeFolder(scenario);
    WriteFileBytes(scenario + kOfficerFileName, contents.ScenarioOfficers);
    for (int slot = 0; slot < kSaveSlotCount; ++slot) {
        const std::string folder = gameDir + SaveSlotName(slot + 1) + kPathSeparator;
        MakeFolder(folder);
        WriteFileBytes(folder + kOfficerFileName, contents.SaveOfficers);
        const auto index = static_cast<std::size_t>(slot);
        if (index >= contents.Slots.size() || !contents.Slots[index]) continue;
        const TSlotSystemFile& system = *contents.Slots[index];
        WriteFileBytes(folder + kSlotTimeFileName, system.Bytes);
        if (system.WrittenAt) SetFileLocalTime(folder + kSlotTimeFileName, *system.WrittenAt);
    }
}

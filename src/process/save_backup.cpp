// The rewrite with its backup first, the backup list and the checked restore.
#include "process/save_backup.h"

#include "common/errors.h"
#include "common/error_codes.h"
#include "common/game_paths.h"
#include "common/path_separator.h"
#include "process/backup_files.h"
#include "process/backup_store.h"
#include "process/process.h"
#include "process/sha256.h"

namespace {

constexpr std::size_t kRecordFileLimit = std::size_t{64} * 1024;
constexpr char kRestoreTemporarySuffix[] = ".kasumiro-restore";

// The save as the rewrite will leave it: the planned names put in place.
std::string RewrittenBytes(std::string save, const std::vector<TOfficerNameChange>& changes) {
    constexpr std::size_t kNameOffset = 6;
    for (const TOfficerNameChange& change : changes) {
        const std::size_t at = static_cast<std::size_t>(change.Index) * kOfficerRecordSize + kNameOffset;
        // The file was cut while read: what was planned cannot be predicted.
        if (at + change.NewName.size() > save.size()) throw EInOutError(kErrorShortRead);
        save.replace(at, change.NewName.size(), change.NewName);
    }
    return save;
}

std::string FileNameOf(const std::string& path) {
    const std::string folder = FolderOfPath(path);
    return path.substr(folder.size());
}

TSaveBackup ChosenBackup(const std::string& folder, const std::string& backupName) {
    const std::vector<TSaveBackup> backups = BackupsInFolder(folder);
    if (backupName.empty()) {
        if (backups.empty()) {
            const std::string prefix = kNoBackupText;
            throw Exception(prefix + folder, TTextSpan{prefix.size(), folder.size()});
        }
        return backups.front();
    }
    // Only a backup of this slot is ever put back, whatever path was given.
    const std::string name = FileNameOf(backupName);
    for (const TSaveBackup& backup : backups) {
        if (FileNameOf(backup.Path) == name) return backup;
    }
    throw EInOutError(kErrorFileNotFound);
}

}  // namespace

TSaveBackup RewriteOfficerNamesWithBackup(const std::string& gameFolder, const std::string& slotName) {
    TSaveBackup backup = BackUpSaveBeforeRewrite(gameFolder, slotName);
    RewriteOfficerNames(gameFolder + kScenarioFolderName + kPathSeparator, gameFolder + slotName + kPathSeparator);
    return backup;
}

TSaveBackup BackUpSaveBeforeRewrite(const std::string& gameFolder, const std::string& slotName) {
    const std::string scenarioFolder = gameFolder + kScenarioFolderName + kPathSeparator;
    const std::string saveFolder = gameFolder + slotName + kPathSeparator;
    // A missing or short file fails here, as the rewrite would, before any backup.
    const std::vector<TOfficerNameChange> changes = PlanOfficerNameRewrite(scenarioFolder, saveFolder);
    const std::string folder = SlotBackupFolderOf(gameFolder, slotName);
    std::string save;
    std::string rewrittenHash;
    try {
        save = ReadRegularFile(saveFolder + kOfficerFileName, kMaxSaveFileSize);
        rewrittenHash = Sha256Hex(RewrittenBytes(save, changes));
    } catch (const Exception&) {
        const std::string prefix = kBackupFailedText;
        throw Exception(prefix + folder, TTextSpan{prefix.size(), folder.size()});
    }
    return StoreBackup(folder, AbsoluteGameFolder(gameFolder), slotName, save, rewrittenHash);
}

std::vector<TSaveBackup> ListSaveBackups(const std::string& gameFolder, const std::string& slotName) {
    return BackupsInFolder(SlotBackupFolderOf(gameFolder, slotName));
}

TSaveBackup RestoreSaveBackup(const std::string& gameFolder, const std::string& slotName, const std::string& backupName,
                              bool force) {
    TSaveBackup backup = ChosenBackup(SlotBackupFolderOf(gameFolder, slotName), backupName);
    const std::string savePath = gameFolder + slotName + kPathSeparator + kOfficerFileName;
    if (!force) {
        const std::string expected = SaveHashOfRecord(ReadRegularFile(BackupRecordPath(backup.Path), kRecordFileLimit));
        const std::string current = Sha256Hex(ReadRegularFile(savePath, kMaxSaveFileSize));
        if (expected != current) throw Exception(kSaveChangedText);
    }
    const std::string bytes = ReadRegularFile(backup.Path, kMaxSaveFileSize);
    ReplaceFileDurably(savePath, savePath + kRestoreTemporarySuffix, bytes);
    return backup;
}

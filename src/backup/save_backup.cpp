// The backup list, the checked restore and whether an undo would change anything.
#include "backup/save_backup.h"

#include "backup/backup_bytes.h"
#include "backup/backup_folder.h"
#include "backup/sha256.h"
#include "backup/slot_lock.h"
#include "common/durable_file.h"
#include "common/error_codes.h"
#include "common/errors.h"
#include "common/paths.h"

namespace {

TSaveBackup ChosenBackup(const TSlotStore& store, const std::string& backupName) {
    const std::vector<TSaveBackup> backups = VerifiedBackups(store);
    if (backupName.empty()) {
        if (backups.empty()) RaiseWithPrefix(kNoBackupText, store.Folder);
        return backups.front();
    }
    // Only a verified backup of this slot is ever put back, whatever path
    // was given; its number alone names it too.
    const std::string name = FileNameOfPath(backupName);
    const bool number = !name.empty() && name.size() <= 12 && name.find_first_not_of("0123456789") == std::string::npos;
    for (const TSaveBackup& backup : backups) {
        if (FileNameOfPath(backup.Path) == name || (number && backup.Number == std::stoull(name))) return backup;
    }
    throw EInOutError(kErrorFileNotFound, backupName);
}

// The save's bytes, or none when they cannot be read.
std::optional<std::string> TryReadSave(const std::string& savePath) {
    try {
        return ReadWholeFile(savePath, kMaxOfficerFileSize);
    } catch (const EInOutError&) {
        return std::nullopt;
    }
}

}  // namespace

std::string NothingToRewriteText(const std::string& slotName) { return slotName + kNothingToRewriteText; }

std::string NothingToUndoText(const std::string& slotName) { return slotName + kNothingToUndoText; }

std::vector<TSaveBackup> ListSaveBackups(const std::string& gameFolder, const std::string& slotName) {
    std::vector<TSaveBackup> backups = VerifiedBackups(SlotStoreOf(gameFolder, slotName));
    if (backups.empty()) return backups;
    TSaveBackup& newest = backups.front();
    const std::optional<std::string> save = TryReadSave(SavePathOf(gameFolder, slotName));
    try {
        const std::string bytes = CheckedBackupBytes(newest);
        newest.Unfinished = save && *save != bytes && *save != PlannedSave(bytes, newest.Record) &&
                            IsRewriteOf(*save, bytes, newest.Record);
    } catch (const Exception&) {
        // A damaged backup is listed as it is; a restore refuses it.
    }
    return backups;
}

bool HasRewriteToUndo(const std::string& gameFolder, const std::string& slotName) {
    std::vector<TSaveBackup> backups;
    try {
        backups = VerifiedBackups(SlotStoreOf(gameFolder, slotName));
        if (backups.empty()) return false;
        return TryReadSave(SavePathOf(gameFolder, slotName)) != CheckedBackupBytes(backups.front());
    } catch (const Exception&) {
        // A damaged backup stays offered, so that its refusal is shown.
        return !backups.empty();
    }
}

TRestoreOutcome RestoreSaveBackup(const std::string& gameFolder, const std::string& slotName,
                                  const std::string& backupName, TRestoreGuard guard) {
    const TSlotStore store = SlotStoreOf(gameFolder, slotName);
    if (PathKindOf(store.Folder) != TPathKind::Folder) RaiseWithPrefix(kNoBackupText, store.Folder);
    const TSlotLock lock(store.Folder);
    const std::string savePath = SavePathOf(gameFolder, slotName);
    RemoveStaleRestoreFile(savePath);
    TRestoreOutcome outcome{ChosenBackup(store, backupName)};
    const std::string bytes = CheckedBackupBytes(outcome.Backup);
    std::optional<std::string> save;
    std::optional<Exception> unread;
    try {
        save = ReadWholeFile(savePath, kMaxOfficerFileSize);
    } catch (const EInOutError& error) {
        unread = error;  // a forced restore puts the backup back all the same
    }
    outcome.NothingToUndo = save == bytes;
    if (outcome.NothingToUndo) return outcome;
    if (guard == TRestoreGuard::OnlyOverRewrittenSave) {
        if (unread) RaiseKeptError(*unread);
        if (!IsRewriteOf(*save, bytes, outcome.Backup.Record)) throw ESaveChanged();
    }
    ReplaceFileDurably(savePath, RestoreTemporaryPath(savePath), bytes, TNewFileOwner::AsReplacedFile);
    return outcome;
}

// The backup list, the checked restore and whether an undo would change anything.
#include "backup/save_backup.h"

#include <algorithm>
#include <cstddef>

#include "backup/backup_bytes.h"
#include "backup/backup_folder.h"
#include "backup/sha256.h"
#include "backup/slot_lock.h"
#include "backup/undo_in_place.h"
#include "common/durable_file.h"
#include "common/error_codes.h"
#include "common/errors.h"
#include "common/paths.h"

namespace {

TSaveBackup ChosenBackup(const TSlotStore& store, const std::vector<TSaveBackup>& backups,
                         const std::string& backupName) {
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

// The save as it is, stored as a backup of its own before a forced restore;
// its record holds the hash of what the restore leaves. A failure reads
// kBackupFailedText: the restore is then refused.
TSaveBackup KeepSave(const TSlotStore& store, std::vector<TSaveBackup>& verified, const std::string& save,
                     const std::string& restored) {
    try {
        TBackupRecord record;
        record.SaveHash = Sha256Hex(restored);
        return StoreNewBackup(store, verified, save, record);
    } catch (const Exception& error) {
        throw PrefixedError(kBackupFailedText, error);
    }
}

// The records whose names differ between the save and a backup: the save's
// name, then the backup's.
std::vector<TOfficerNameChange> NameChanges(const std::string& save, const std::string& backup) {
    std::vector<TOfficerNameChange> changes;
    constexpr std::size_t kNameOffset = offsetof(TOfficerRecord, OfficerName);
    constexpr std::size_t kNameBytes = sizeof(TOfficerRecord::OfficerName);
    const std::size_t records = std::min(save.size(), backup.size()) / kOfficerRecordSize;
    for (std::size_t i = 0; i < records; ++i) {
        const std::size_t at = i * kOfficerRecordSize + kNameOffset;
        if (save.compare(at, kNameBytes, backup, at, kNameBytes) == 0) continue;
        changes.push_back({static_cast<std::int32_t>(i), save.substr(at, kNameBytes), backup.substr(at, kNameBytes)});
    }
    return changes;
}

}  // namespace

std::string RestoredText(const TRestoreOutcome& outcome) {
    if (outcome.NothingToUndo) return NothingToUndoText(outcome.Backup.Record.SlotName);
    std::string text = kRestoredText;
    if (outcome.Kept) text += std::string("\n") + kSaveKeptText + outcome.Kept->Path;
    return text;
}

std::string NothingToRewriteText(const std::string& slotName) { return slotName + kNothingToRewriteText; }

std::string NothingToUndoText(const std::string& slotName) { return slotName + kNothingToUndoText; }

std::vector<TSaveBackup> ListSaveBackups(const std::string& gameFolder, const std::string& slotName) {
    std::vector<TSaveBackup> backups = VerifiedBackups(SlotStoreOf(gameFolder, slotName));
    const std::optional<std::string> save = TryReadSave(SavePathOf(gameFolder, slotName));
    for (TSaveBackup& backup : backups) {
        try {
            const std::string bytes = CheckedBackupBytes(backup);
            if (save) backup.Restores = NameChanges(*save, bytes);
            if (&backup != &backups.front()) continue;
            // A kept save has no rewrite to stop part-way.
            backup.Unfinished = save && backup.Record.SaveHash.empty() && *save != bytes &&
                                *save != PlannedSave(bytes, backup.Record) && IsRewriteOf(*save, bytes, backup.Record);
        } catch (const Exception&) {
            backup.Damaged = true;  // listed as it is; a restore refuses it
        }
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
    std::vector<TSaveBackup> verified = VerifiedBackups(store);
    TRestoreOutcome outcome{ChosenBackup(store, verified, backupName), false, std::nullopt};
    const std::string bytes = CheckedBackupBytes(outcome.Backup);
    const TBackupRecord& record = outcome.Backup.Record;
    std::optional<std::string> save;
    std::optional<EInOutError> unread;
    try {
        save = ReadWholeFile(savePath, kMaxOfficerFileSize);
    } catch (const EInOutError& error) {
        unread = error;
    }
    outcome.NothingToUndo = save == bytes;
    if (outcome.NothingToUndo) return outcome;
    const bool own = save && IsRewriteOf(*save, bytes, record);
    if (own && record.SaveHash.empty()) {
        UndoInPlace(savePath, *save, bytes, record);
        return outcome;
    }
    if (!own && guard == TRestoreGuard::OnlyOverRewrittenSave) {
        if (unread) RaiseKeptError(*unread);
        throw ESaveChanged();
    }
    // What the save held is kept before it is replaced, and that keeping
    // knows the restore's result, so that the restore can be undone too.
    if (!own && save) outcome.Kept = KeepSave(store, verified, *save, bytes);
    if (!own && unread && unread->ErrorCode() != kErrorFileNotFound) throw PrefixedError(kBackupFailedText, *unread);
    ReplaceFileDurably(savePath, RestoreTemporaryPath(savePath), bytes, TNewFileOwner::AsReplacedFile);
    return outcome;
}

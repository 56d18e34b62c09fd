// The rewrite with its backup (read, plan, copy, rewrite, record: once each),
// the backup list and the checked restore.
#include "backup/save_backup.h"

#include "backup/backup_folder.h"
#include "backup/backup_record.h"
#include "backup/sha256.h"
#include "backup/slot_lock.h"
#include "common/durable_file.h"
#include "common/error_codes.h"
#include "common/errors.h"
#include "common/game_paths.h"

namespace {

constexpr std::size_t kRecordFileLimit = std::size_t{64} * 1024;
constexpr char kRestoreTemporarySuffix[] = ".kasumiro-restore";

[[noreturn]] void RaiseWithPrefix(const char* prefix, const std::string& path) {
    const std::string text = prefix;
    throw Exception(text + path, TTextSpan{text.size(), path.size()});
}

// Runs work; an Exception it raises comes out behind kBackupFailedText.
template <typename Work>
auto BackingUp(Work&& work) {
    try {
        return work();
    } catch (const Exception& error) {
        throw PrefixedError(kBackupFailedText, error);
    }
}

std::string SavePathOf(const std::string& gameFolder, const std::string& slotName) {
    return SaveFolderOf(gameFolder, slotName) + kOfficerFileName;
}

// A restore's temporary file left beside the save by a run that was killed.
void RemoveStaleRestoreFile(const std::string& savePath) {
    const std::string temporary = savePath + kRestoreTemporarySuffix;
    if (PathKindOf(temporary) != TPathKind::Missing) RemoveFile(temporary);
}

std::string FileNameOf(const std::string& path) { return path.substr(FolderOfPath(path).size()); }

// The record of a backup, or none (false) when it is missing or malformed.
bool ReadRecord(const TSaveBackup& backup, TBackupRecord& record) {
    try {
        return ParseBackupRecord(ReadWholeFile(BackupRecordPath(backup.Path), kRecordFileLimit), record);
    } catch (const EInOutError&) {
        return false;
    }
}

void WriteRecord(const TSaveBackup& backup, const TBackupRecord& record) {
    const std::string path = BackupRecordPath(backup.Path);
    ReplaceFileDurably(path, path + ".tmp", BackupRecordText(record), TNewFileOwner::PrivateToUser);
}

TSaveBackup ChosenBackup(const std::string& folder, const std::string& backupName) {
    const std::vector<TSaveBackup> backups = BackupsInFolder(folder);
    if (backupName.empty()) {
        if (backups.empty()) RaiseWithPrefix(kNoBackupText, folder);
        return backups.front();
    }
    // Only a backup of this slot is ever put back, whatever path was given;
    // its number alone names it too.
    const std::string name = FileNameOf(backupName);
    const bool number = name.find_first_not_of("0123456789") == std::string::npos && name.size() <= 12;
    for (const TSaveBackup& backup : backups) {
        if (FileNameOf(backup.Path) == name || (number && backup.Number == std::stoull(name))) return backup;
    }
    throw EInOutError(kErrorFileNotFound, backupName);
}

// The backup's bytes, checked whole against its record.
std::string CheckedBackupBytes(const TSaveBackup& backup, TBackupRecord& record) {
    std::string bytes;
    try {
        bytes = ReadWholeFile(backup.Path, kMaxSaveFileSize);
    } catch (const EInOutError& error) {
        if (error.ErrorCode() != kErrorShortRead) throw;
    }
    if (!ReadRecord(backup, record) || bytes.size() != record.Size || Sha256Hex(bytes) != record.BackupHash)
        RaiseWithPrefix(kBackupDamagedText, backup.Path);
    return bytes;
}

// Whether a backup holds exactly these bytes, by its record and by its own
// bytes: a damaged copy is never taken for the save.
bool IsCopyOf(const TSaveBackup& backup, const std::string& bytes, const std::string& hash) {
    TBackupRecord record;
    if (!ReadRecord(backup, record) || record.Size != bytes.size() || record.BackupHash != hash) return false;
    try {
        return ReadWholeFile(backup.Path, kMaxSaveFileSize) == bytes;
    } catch (const EInOutError&) {
        return false;
    }
}

}  // namespace

TBackedUpRewrite::TBackedUpRewrite(const std::string& gameFolder, const std::string& slotName, TUnplannedSave unplanned)
    : gameFolder_(gameFolder), slotName_(slotName) {
    folder_ = SlotBackupFolderOf(gameFolder, slotName);
    BackingUp([&] {
        MakeFolders(folder_);
        lock_ = std::make_unique<TSlotLock>(folder_);
    });
    const std::string savePath = SavePathOf(gameFolder, slotName);
    RemoveStaleRestoreFile(savePath);
    const std::string scenarioPath = ScenarioFolderOf(gameFolder) + kOfficerFileName;
    const std::string scenario = ReadWholeFile(scenarioPath, kMaxOfficerFileSize);
    save_ = ReadWholeFile(savePath, kMaxOfficerFileSize);
    try {
        changes_ = PlanOfficerNameChanges(scenario, save_, scenarioPath, savePath);
    } catch (const EInOutError&) {
        if (unplanned == TUnplannedSave::Refuse) throw;
        planFailed_ = true;
    }
}

TBackedUpRewrite::~TBackedUpRewrite() = default;

const TSaveBackup& TBackedUpRewrite::BackUp() {
    BackingUp([&] {
        RemoveLeftovers(folder_);
        const std::string saveHash = Sha256Hex(save_);
        const std::vector<TSaveBackup> backups = BackupsInFolder(folder_);
        const bool again = !backups.empty() && IsCopyOf(backups.front(), save_, saveHash);
        // The save as it was backed up last gets no second copy.
        backup_ = again ? backups.front() : ClaimNewBackup(folder_);
        planned_ = ApplyOfficerNameChanges(save_, changes_);
        const TBackupRecord record{
            AbsoluteGameFolder(gameFolder_), slotName_, backup_.Time, save_.size(), saveHash, Sha256Hex(planned_)};
        recordText_ = BackupRecordText(record);
        const std::string recordPath = BackupRecordPath(backup_.Path);
        std::vector<TFileReplacement> files = {{recordPath, recordPath + ".tmp", &recordText_}};
        // The copy before its record: a crash between leaves a copy without a record, a leftover.
        if (!again) files.insert(files.begin(), {backup_.Path, backup_.Path + ".tmp", &save_});
        ReplaceFilesDurably(files, TNewFileOwner::PrivateToUser);
        PruneBackups(folder_);
    });
    return backup_;
}

void TBackedUpRewrite::Rewrite(TErrorNaming naming) {
    const std::string saveFolder = SaveFolderOf(gameFolder_, slotName_);
    try {
        RewriteOfficerNames(ScenarioFolderOf(gameFolder_), saveFolder, naming);
    } catch (...) {
        try {
            RecordSaveHash(saveFolder + kOfficerFileName);
        } catch (...) {
            changedSave_ = true;  // unknown: the way back stays offered
        }
        throw;
    }
    RecordSaveHash(saveFolder + kOfficerFileName);
}

// Reads the save back and puts its hash in the record when it is not the one
// planned (a rewrite cut short, or a save changed meanwhile).
void TBackedUpRewrite::RecordSaveHash(const std::string& savePath) {
    const std::string now = ReadWholeFile(savePath, kMaxOfficerFileSize);
    changedSave_ = now != save_;
    if (now == planned_) return;  // as planned: the record holds its hash already
    TBackupRecord record;
    ParseBackupRecord(recordText_, record);
    const std::string hash = Sha256Hex(now);
    if (hash == record.SaveHash) return;
    record.SaveHash = hash;
    WriteRecord(backup_, record);
}

std::string NothingToRewriteText(const std::string& slotName) { return slotName + kNothingToRewriteText; }

std::vector<TSaveBackup> ListSaveBackups(const std::string& gameFolder, const std::string& slotName) {
    return BackupsInFolder(SlotBackupFolderOf(gameFolder, slotName));
}

TSaveBackup RestoreSaveBackup(const std::string& gameFolder, const std::string& slotName, const std::string& backupName,
                              TRestoreGuard guard) {
    const std::string folder = SlotBackupFolderOf(gameFolder, slotName);
    if (PathKindOf(folder) != TPathKind::Folder) RaiseWithPrefix(kNoBackupText, folder);
    const TSlotLock lock(folder);
    const std::string savePath = SavePathOf(gameFolder, slotName);
    RemoveStaleRestoreFile(savePath);
    TSaveBackup backup = ChosenBackup(folder, backupName);
    TBackupRecord record;
    const std::string bytes = CheckedBackupBytes(backup, record);
    if (guard == TRestoreGuard::OnlyOverRewrittenSave &&
        Sha256Hex(ReadWholeFile(savePath, kMaxOfficerFileSize)) != record.SaveHash)
        throw ESaveChanged();
    ReplaceFileDurably(savePath, savePath + kRestoreTemporarySuffix, bytes, TNewFileOwner::AsReplacedFile);
    return backup;
}

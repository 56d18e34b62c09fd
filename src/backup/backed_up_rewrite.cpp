// The one rewrite with its backup: check, read and plan; lock, read again,
// copy with the plan in its record; rewrite record by record.
#include <algorithm>
#include <memory>
#include <set>
#include <utility>

#include "backup/backup_bytes.h"
#include "backup/backup_folder.h"
#include "backup/save_backup.h"
#include "backup/sha256.h"
#include "backup/slot_lock.h"
#include "common/durable_file.h"
#include "common/errors.h"
#include "common/paths.h"
#include "process/officer_file.h"

namespace {

// Runs work; an Exception it raises comes out behind kBackupFailedText.
template <typename Work>
auto BackingUp(Work&& work) {
    try {
        return work();
    } catch (const Exception& error) {
        throw PrefixedError(kBackupFailedText, error);
    }
}

// Runs work; an I/O error it raises reads by its code alone when so asked.
template <typename Work>
void Naming(TErrorNaming naming, Work&& work) {
    try {
        work();
    } catch (const EInOutError& error) {
        if (naming == TErrorNaming::CodeOnly) throw EInOutError(error.ErrorCode());
        throw;
    }
}

// The changes of a rewrite of these bytes. A file cut short, when so asked,
// is planned as far as the record-by-record walk goes before its first short
// read: the records both files hold whole.
std::vector<TOfficerNameChange> PlanChanges(const std::string& gameFolder, const std::string& slotName,
                                            const std::string& scenario, const std::string& save,
                                            TUnplannedSave unplanned) {
    const std::string scenarioPath = ScenarioFolderOf(gameFolder) + kOfficerFileName;
    const std::string savePath = SavePathOf(gameFolder, slotName);
    try {
        return PlanOfficerNameChanges(scenario, save, scenarioPath, savePath);
    } catch (const EInOutError&) {
        if (unplanned == TUnplannedSave::Refuse) throw;
    }
    constexpr auto kWhole = static_cast<std::size_t>(kOfficerCount) * kOfficerRecordSize;
    const std::size_t reached = std::min(scenario.size(), save.size()) / kOfficerRecordSize * kOfficerRecordSize;
    // The records after that are the same in both: no change there.
    std::string scenarioReached = scenario.substr(0, reached);
    std::string saveReached = save.substr(0, reached);
    scenarioReached.resize(kWhole, '\0');
    saveReached.resize(kWhole, '\0');
    return PlanOfficerNameChanges(scenarioReached, saveReached, scenarioPath, savePath);
}

// Each change's name in the plan, once (a plan holds each record once);
// a thousand names are looked up in a set, not by a walk of the plan for each.
void AddToPlan(std::vector<TPlannedName>& plan, const std::vector<TOfficerNameChange>& changes) {
    if (plan.empty()) {
        for (const TOfficerNameChange& change : changes) plan.push_back({change.Index, change.NewName});
        return;
    }
    std::set<std::pair<std::int32_t, std::string>> known;
    for (const TPlannedName& planned : plan) known.emplace(planned.Index, planned.Name);
    for (const TOfficerNameChange& change : changes) {
        if (known.emplace(change.Index, change.NewName).second) plan.push_back({change.Index, change.NewName});
    }
}

// Whether the save is the backup's rewrite, finished, stopped part-way or
// undone: its backup is then the way back still, and no second copy is made.
bool IsOwnSave(const TSaveBackup& backup, const std::string& save) {
    std::string bytes;
    try {
        bytes = CheckedBackupBytes(backup);  // a damaged copy is never used again
    } catch (const Exception&) {
        return false;
    }
    return save == bytes || (backup.Record.SaveHash.empty() && IsRewriteOf(save, bytes, backup.Record));
}

// The copy of the save and its record with the plan, written and flushed
// once (the record alone when the newest backup is used again, made then
// false), then pruning.
TSaveBackup BackUp(const TSlotStore& store, const std::string& save, const std::vector<TOfficerNameChange>& changes,
                   bool& made) {
    return BackingUp([&] {
        std::vector<TSaveBackup> verified = VerifiedBackups(store);
        RemoveLeftovers(store, verified);
        made = verified.empty() || !IsOwnSave(verified.front(), save);
        if (made) {
            TBackupRecord record;
            AddToPlan(record.Plan, changes);
            return StoreNewBackup(store, verified, save, record);
        }
        TSaveBackup backup = verified.front();
        backup.Record.SaveHash.clear();  // a record of the earlier format takes the plan's
        AddToPlan(backup.Record.Plan, changes);
        const std::string recordText = BackupRecordText(backup.Record);
        const std::string recordPath = BackupRecordPath(backup.Path);
        ReplaceFilesDurably({{recordPath, recordPath + ".tmp", &recordText}}, TNewFileOwner::PrivateToUser);
        PruneBackups(verified);
        return backup;
    });
}

// Opens both officer files as the rewrite will and closes them: a file that
// refuses its write access is found before any backup is made.
void RequireWriteAccess(const std::string& gameFolder, const std::string& slotName) {
    for (const std::string& path :
         {ScenarioFolderOf(gameFolder) + kOfficerFileName, SavePathOf(gameFolder, slotName)}) {
        try {
            TOfficerFile file;
            file.Open(path, kOfficerRecordSize);
            file.Close();
        } catch (const EInOutError& error) {
            throw EInOutError(error.ErrorCode(), path);  // read by its code alone when so asked
        }
    }
}

// Whether the save's bytes now differ from before; true when they cannot be read.
bool SaveChanged(const std::string& savePath, const std::string& before) {
    try {
        return ReadWholeFile(savePath, kMaxOfficerFileSize) != before;
    } catch (const Exception&) {
        return true;
    }
}

}  // namespace

TRewriteOutcome RewriteWithBackup(const std::string& gameFolder, const std::string& slotName,
                                  const TRewriteOptions& options) {
    TRewriteOutcome outcome;
    bool made = false;
    const std::string savePath = SavePathOf(gameFolder, slotName);
    std::string save;
    try {
        Naming(options.Naming, [&] {
            RequireGameFolders(gameFolder, slotName);
            const std::string scenario = ReadWholeFile(ScenarioFolderOf(gameFolder) + kOfficerFileName,
                                                       kMaxOfficerFileSize);
            save = ReadWholeFile(savePath, kMaxOfficerFileSize);
            std::vector<TOfficerNameChange> changes = PlanChanges(gameFolder, slotName, scenario, save,
                                                                  options.Unplanned);
            if (changes.empty()) return;
            RequireWriteAccess(gameFolder, slotName);
            // Only now is anything made in the backups tree.
            const TSlotStore store = BackingUp([&] { return SlotStoreOf(gameFolder, slotName); });
            const std::unique_ptr<TSlotLock> lock = BackingUp([&] {
                MakeFolders(store.Folder);
                return std::make_unique<TSlotLock>(store.Folder);
            });
            RemoveStaleRestoreFile(savePath);
            // Another run may have rewritten the save before the lock was ours.
            const std::string locked = ReadWholeFile(savePath, kMaxOfficerFileSize);
            if (locked != save) {
                save = locked;
                changes = PlanChanges(gameFolder, slotName, scenario, save, options.Unplanned);
            }
            if (changes.empty()) return;
            outcome.Backup = BackUp(store, save, changes, made);
            if (options.BackedUp) options.BackedUp(*outcome.Backup);
            RewriteOfficerNames(ScenarioFolderOf(gameFolder), SaveFolderOf(gameFolder, slotName), options.Naming);
            outcome.ChangedSave = true;
        });
        outcome.NothingToRewrite = !outcome.Backup;
    } catch (...) {
        outcome.Error = CurrentExceptionAsError();
        if (outcome.Backup) outcome.ChangedSave = SaveChanged(savePath, save);
        // A rewrite that never wrote leaves no backup of its own behind.
        if (made && outcome.Backup && !outcome.ChangedSave) {
            RemoveBackup(*outcome.Backup);
            outcome.Backup.reset();
        }
    }
    return outcome;
}

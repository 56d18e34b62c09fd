// Save backups: a copy of a slot's officer file taken before a rewrite, kept
// outside the game folder, and put back only whole and checked, and only over
// the save that the rewrite left, so that newer progress is never lost
// unasked. The store of the Linux program and both command lines; it uses no
// iostreams, so that the Windows program can take it up as well.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/errors.h"
#include "process/process.h"

inline constexpr int kBackupsKept = 10;  // per slot, the newest; the oldest is kept besides
inline constexpr char kBackupFailedText[] = "バックアップを作成できません: ";
inline constexpr char kBackupDamagedText[] = "バックアップが壊れています: ";
inline constexpr char kSaveChangedText[] = "セーブデータが書き換えの後に変更されています.";
inline constexpr char kNoBackupText[] = "バックアップがありません: ";
inline constexpr char kRestoredText[] = "元に戻しました.";
inline constexpr char kNothingToRewriteText[] = ": 書き換える名前はありません.";

struct TSaveBackup {
    std::string Path;          // the backup's .BIN file
    std::string Time;          // when it was taken, "YYYY-MM-DD HH:MM:SS" local time
    std::uint64_t Number = 0;  // its place in the slot's sequence; higher is newer
};

// A restore refused because the save changed since the rewrite.
class ESaveChanged : public Exception {
public:
    ESaveChanged() : Exception(kSaveChangedText) {}
};

class TSlotLock;

// What a rewrite with backup does with a save it cannot plan (a file cut
// short): refuse before any write, or back it up as it is and let the
// record-by-record rewrite go as far as it goes.
enum class TUnplannedSave { Refuse, BackUpAsItIs };

// One rewrite of a slot with its backup, in this order: lock the slot's
// backups, read both officer files whole and plan (construction), copy the
// save (BackUp), rewrite record by record and record what the save then
// holds (Rewrite). The lock is held for the life of the object. Errors name
// their file; a backup that cannot be made raises kBackupFailedText, the
// path and the reason, before any write.
class TBackedUpRewrite {
public:
    TBackedUpRewrite(const std::string& gameFolder, const std::string& slotName,
                     TUnplannedSave unplanned = TUnplannedSave::Refuse);
    ~TBackedUpRewrite();
    TBackedUpRewrite(const TBackedUpRewrite&) = delete;
    TBackedUpRewrite& operator=(const TBackedUpRewrite&) = delete;

    // What the rewrite will change; none: no byte would change, and neither
    // BackUp nor Rewrite is to be called.
    const std::vector<TOfficerNameChange>& Changes() const { return changes_; }
    // Whether the rewrite may change the save: it has changes, or it could not be planned.
    bool MayChange() const { return planFailed_ || !changes_.empty(); }

    // A new backup of the save as read; a save that is byte for byte the
    // newest backup gets no second copy: that backup is used again.
    const TSaveBackup& BackUp();

    // The record-by-record rewrite (RewriteOfficerNames). Whether it ends or
    // fails, the backup's record then holds the hash of what the save really
    // holds, so that a restore works without forcing; its error travels on,
    // naming its file or not as asked.
    void Rewrite(TErrorNaming naming = TErrorNaming::WithPath);

    // After Rewrite: whether the save's bytes changed at all (true when they
    // could not be read back).
    bool ChangedSave() const { return changedSave_; }

private:
    void RecordSaveHash(const std::string& saveHash);

    std::string gameFolder_;
    std::string slotName_;
    std::string folder_;
    std::unique_ptr<TSlotLock> lock_;
    std::string save_;     // as read before the rewrite
    std::string planned_;  // as the rewrite will leave it
    std::vector<TOfficerNameChange> changes_;
    TSaveBackup backup_;
    std::string recordText_;
    bool changedSave_ = false;
    bool planFailed_ = false;
};

// "LOGn.DAT: 書き換える名前はありません.": the text for a rewrite with no change.
std::string NothingToRewriteText(const std::string& slotName);

// The slot's backups, newest first.
std::vector<TSaveBackup> ListSaveBackups(const std::string& gameFolder, const std::string& slotName);

// Whether a restore may go over a save that changed since the rewrite.
enum class TRestoreGuard { OnlyOverRewrittenSave, EvenOverNewerProgress };

// Puts a backup of the slot back over its officer file: the newest when
// backupName is empty, else the one of that file name (a path counts by its
// file name) or of that number. The backup is checked against its record first (size and
// SHA-256): a damaged one or one without its record raises
// kBackupDamagedText and its path. Unless the guard allows it, only while the
// save still holds what the last rewrite left (else ESaveChanged). Nothing is
// written when refused. The file is replaced through a temporary file beside
// it, flushed and renamed, keeping its mode and owner.
TSaveBackup RestoreSaveBackup(const std::string& gameFolder, const std::string& slotName, const std::string& backupName,
                              TRestoreGuard guard);

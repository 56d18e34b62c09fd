// Save backups: a copy of a slot's officer file taken before a rewrite, kept
// outside the game folder with the rewrite's plan, and put back only whole
// and checked, and only over the save that the rewrite left (finished or
// stopped part-way), so that newer progress is never lost unasked. The store
// of every program; it uses no iostreams, so that the Windows program can
// take it up as well.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "backup/backup_record.h"
#include "common/errors.h"
#include "process/process.h"

inline constexpr int kBackupsKept = 10;  // per slot, the newest; the oldest is kept besides
inline constexpr char kBackupFailedText[] = "バックアップを作成できません: ";
inline constexpr char kBackupDamagedText[] = "バックアップが壊れています: ";
inline constexpr char kSaveChangedText[] = "セーブデータが書き換えの後に変更されています.";
inline constexpr char kNoBackupText[] = "バックアップがありません: ";
inline constexpr char kRestoredText[] = "元に戻しました.";
inline constexpr char kSaveKeptText[] = "置き換えたセーブデータのバックアップ: ";
inline constexpr char kNothingToRewriteText[] = ": 書き換える名前はありません.";
inline constexpr char kNothingToUndoText[] = ": 元に戻す書き換えはありません.";

struct TSaveBackup {
    std::string Path;          // the backup's .BIN file
    std::string Time;          // when it was taken, "YYYY-MM-DD HH:MM:SS" local time
    std::uint64_t Number = 0;  // its place in the slot's sequence; higher is newer
    TBackupRecord Record;      // its verified record
    bool Unfinished = false;   // listed: the save is its rewrite stopped part-way
    bool Damaged = false;      // listed: its bytes no longer match its record
    // Listed: the names a restore would change now, the save's then the backup's.
    std::vector<TOfficerNameChange> Restores;
};

// A restore refused because the save changed since the rewrite.
class ESaveChanged : public Exception {
public:
    ESaveChanged() : Exception(kSaveChangedText) {}
};

// What a rewrite with backup does with a save it cannot wholly plan (a file
// cut short): refuse before any write, or plan the records the
// record-by-record rewrite reaches, back the save up as it is, and let the
// rewrite go as far as it goes.
enum class TUnplannedSave { Refuse, BackUpAsItIs };

struct TRewriteOptions {
    TUnplannedSave Unplanned = TUnplannedSave::Refuse;
    // How the files' own errors read; a failed backup always names its path.
    TErrorNaming Naming = TErrorNaming::WithPath;
    // Called with the backup once it is made, before the rewrite's first write.
    std::function<void(const TSaveBackup&)> BackedUp;
};

// What a rewrite with its backup did.
struct TRewriteOutcome {
    bool NothingToRewrite = false;      // no byte would change: nothing was backed up or written
    std::optional<TSaveBackup> Backup;  // made (or the newest used again) before the first write
    bool ChangedSave = false;           // the save's bytes changed (also when that is unknown)
    std::optional<Exception> Error;     // what stopped the run
};

// The one rewrite with backup of every program, in this order: the folders
// checked, both officer files read whole and planned; when anything changes,
// both opened for writing as the rewrite opens them (and closed), the slot's
// backups locked, the save read again, the copy and its record (holding the
// plan) written and flushed once, then the record-by-record rewrite
// (RewriteOfficerNames). Nothing is made in the backups tree before a backup
// is due, and a backup made for a rewrite that then failed before its first
// write is removed. Every error ends up in the outcome; a backup that cannot
// be made reads kBackupFailedText, the path and the reason, and nothing is
// written then.
TRewriteOutcome RewriteWithBackup(const std::string& gameFolder, const std::string& slotName,
                                  const TRewriteOptions& options = {});

// "LOGn.DAT: 書き換える名前はありません.": the text for a rewrite with no change.
std::string NothingToRewriteText(const std::string& slotName);
// "LOGn.DAT: 元に戻す書き換えはありません.": the save is the backup already.
std::string NothingToUndoText(const std::string& slotName);

// The slot's verified backups, newest first, each with the names a restore
// would change (none when the save cannot be read) or marked Damaged; the
// newest is marked Unfinished when the save is its rewrite stopped part-way.
std::vector<TSaveBackup> ListSaveBackups(const std::string& gameFolder, const std::string& slotName);

// Whether an undo would change the slot: it has a backup and the save is
// not that backup already. False when the store cannot be found.
bool HasRewriteToUndo(const std::string& gameFolder, const std::string& slotName);

// Whether a restore may go over a save that changed since the rewrite.
enum class TRestoreGuard { OnlyOverRewrittenSave, EvenOverNewerProgress };

struct TRestoreOutcome {
    TSaveBackup Backup;
    bool NothingToUndo = false;       // the save was that backup already: nothing written
    std::optional<TSaveBackup> Kept;  // the save it replaced, kept before a forced restore
};

// Puts a verified backup of the slot back over its officer file: the newest
// when backupName is empty, else the one of that file name (a path counts
// by its file name) or of that number. The backup is checked against its
// record first (size and SHA-256): a damaged one raises kBackupDamagedText
// and its path. Over the rewrite's own save (IsRewriteOf: finished, stopped
// part-way or torn) the planned records get their old bytes back in place
// (UndoInPlace), needing no more than the rewrite had. Over any other save
// only when the guard allows it, else ESaveChanged: that save is first kept
// as a backup of its own (Kept), made durable, whose record knows the
// restore's result, so that the restore can be undone; where it cannot be
// kept (kBackupFailedText) nothing is written. The file is then replaced
// through a temporary file beside it, flushed and renamed, keeping its mode
// and owner. Nothing is written when refused.
TRestoreOutcome RestoreSaveBackup(const std::string& gameFolder, const std::string& slotName,
                                  const std::string& backupName, TRestoreGuard guard);

// What a restore says: "元に戻しました.", with a line naming the kept save
// after a forced one, or that there was nothing to undo.
std::string RestoredText(const TRestoreOutcome& outcome);

// Save backups: a copy of a slot's officer file taken before each rewrite,
// kept outside the game folder, and put back only over the save that the
// rewrite left, so that newer progress is never overwritten unasked.
#pragma once

#include <string>
#include <vector>

inline constexpr int kBackupsKept = 10;  // per slot, the newest
inline constexpr char kBackupFailedText[] = "バックアップを作成できません: ";
inline constexpr char kSaveChangedText[] = "セーブデータが書き換えの後に変更されています.";
inline constexpr char kNoBackupText[] = "バックアップがありません: ";
inline constexpr char kRestoredText[] = "元に戻しました.";

struct TSaveBackup {
    std::string Path;  // the backup's .BIN file
    std::string Time;  // when it was taken, "YYYY-MM-DD HH:MM:SS" local time
};

// Rewrites the slot's officer names as RewriteOfficerNames does, after
// copying its officer file to a new backup (written, flushed and renamed into
// place; the slot's oldest beyond kBackupsKept are deleted). The backup's
// record holds the SHA-256 of the save as the rewrite leaves it. gameFolder
// ends in a separator, slotName is "LOG1.DAT" to "LOG5.DAT". Errors of the
// files to rewrite come as the rewrite raises them; a backup that cannot be
// made raises kBackupFailedText and the backup's path, before any write.
TSaveBackup RewriteOfficerNamesWithBackup(const std::string& gameFolder, const std::string& slotName);

// Its first half: the backup for a rewrite of the slot that follows at once.
TSaveBackup BackUpSaveBeforeRewrite(const std::string& gameFolder, const std::string& slotName);

// The slot's backups, newest first.
std::vector<TSaveBackup> ListSaveBackups(const std::string& gameFolder, const std::string& slotName);

// Puts a backup of the slot back over its officer file: the newest when
// backupName is empty, else the one of that file name (a path counts by its
// file name). Unless force is set, only while the save still holds exactly
// what the rewrite left (else kSaveChangedText, nothing changed). The file is
// replaced through a temporary file beside it, flushed and renamed.
TSaveBackup RestoreSaveBackup(const std::string& gameFolder, const std::string& slotName, const std::string& backupName,
                              bool force);

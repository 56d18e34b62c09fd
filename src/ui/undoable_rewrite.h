// Execute of the Linux program: the rewrite previewed in the confirmation box,
// backed up before it writes, and undone from the box that reports it.
#pragma once

#include <string>
#include <utility>

#include "backup/save_backup.h"
#include "ui/frame.h"

inline constexpr char kExecuteQuestion[] = "実行しますか?";

// Asks with the preview, "LOGn.DAT: 武将 N 人の名前を書き換えます." and one line
// per changing record as the command line's dry run prints it (no preview
// when the dry run fails; when no name would change, says so with OK only
// and writes nothing); on はい runs the store's RewriteWithBackup, shows the
// completion box with its undo button, and on 元に戻す restores the backup
// (only over the rewrite's own save, else EUndoRefused) and says so. A rewrite that fails after
// changing the save shows its error with the same undo button; other errors
// travel out.
void RunUndoableRewrite(const std::string& gameFolder, const std::string& slotName);

// An undo refused because the save changed since the rewrite, naming the
// backup it would have put back (as UndoRewrite was given it).
class EUndoRefused final : public ESaveChanged {
public:
    explicit EUndoRefused(std::string backupPath) : BackupPath(std::move(backupPath)) {}
    std::string BackupPath;
};

// Puts a backup of the slot back (the newest when backupName is empty)
// through the store's checks, only over the rewrite's own save, finished or
// stopped part-way, and says "元に戻しました." (or that the save is the backup
// already: "LOGn.DAT: 元に戻す書き換えはありません."). Errors travel out.
void UndoRewrite(const std::string& gameFolder, const std::string& slotName, const std::string& backupName);

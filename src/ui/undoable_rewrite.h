// Execute of the Linux program: the rewrite previewed in the confirmation box,
// backed up before it writes, and undone from the box that reports it; the
// undo of every front end.
#pragma once

#include <string>

#include "backup/save_backup.h"
#include "ui/frame.h"

inline constexpr char kExecuteQuestion[] = "実行しますか?";

inline constexpr char kRestoreAnywayQuestion[] =
    "セーブデータが書き換えの後に変更されています.\nそれでも元に戻しますか?\n"
    "今のセーブデータはバックアップとして残り, 後でまた元に戻せます.";

// Asks with the preview, "LOGn.DAT: 武将 N 人の名前を書き換えます." and the
// changing records as rows (no preview when the dry run fails; when no name
// would change, says so with OK only and writes nothing); on はい runs the
// store's RewriteWithBackup, shows the completion box with its undo button,
// and on 元に戻す undoes it (UndoOrRestoreAnyway). A rewrite that fails
// after changing the save shows its error with the same undo button; other
// errors travel out.
void RunUndoableRewrite(const std::string& gameFolder, const std::string& slotName);

// Puts a backup of the slot back (the newest when backupName is empty)
// through the store's checks, only over the rewrite's own save, finished or
// stopped part-way, and says so (RestoredText). A save changed since raises
// ESaveChanged; other errors travel out too.
void UndoRewrite(const std::string& gameFolder, const std::string& slotName, const std::string& backupName);

// UndoRewrite; where it is refused over newer progress, asks
// kRestoreAnywayQuestion and on はい restores anyway, the current save kept
// as a backup first, and says so with the kept backup's path.
void UndoOrRestoreAnyway(const std::string& gameFolder, const std::string& slotName, const std::string& backupName);

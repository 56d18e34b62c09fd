// The undo of the store's own rewrite: the planned records' old names written
// back in place, as the rewrite wrote them.
#pragma once

#include <string>

#include "backup/backup_record.h"

// Writes back, record by record in the file at savePath, each planned record
// of save (its bytes as read) that differs from the backup's: no temporary
// file, no rename, the file's mode, owner and links untouched, so that it
// works wherever the rewrite worked. save must be the rewrite's own
// (IsRewriteOf): a stop part-way then leaves a save that still is, and the
// next undo finishes it. Raises EInOutError naming the file.
void UndoInPlace(const std::string& savePath, const std::string& save, const std::string& backup,
                 const TBackupRecord& record);

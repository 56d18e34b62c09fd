// What the store's rewrite, list and restore share: a backup's bytes checked
// against its record, and the refusals that name a path.
#pragma once

#include <string>

#include "backup/save_backup.h"

// The backup's bytes, checked whole against its record (size and SHA-256);
// raises kBackupDamagedText and the path when they differ or cannot be read.
std::string CheckedBackupBytes(const TSaveBackup& backup);

// The temporary file a restore writes beside the save, and its removal when
// a killed run left it.
std::string RestoreTemporaryPath(const std::string& savePath);
void RemoveStaleRestoreFile(const std::string& savePath);

// Raises Exception: the program's prefix, then the path as system text.
[[noreturn]] void RaiseWithPrefix(const char* prefix, const std::string& path);

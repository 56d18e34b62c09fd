// The backup folder's layout: where a slot's backups live, how they are named
// and listed, and the record kept beside each one.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "process/save_backup.h"

// The largest officer file that is backed up or restored (it has 76,000 bytes).
inline constexpr std::size_t kMaxSaveFileSize = std::size_t{1} << 20;

// root + a readable tail of the absolute game folder and a short hash of it,
// + slotName; ending in a separator.
std::string SlotBackupFolder(const std::string& root, const std::string& absoluteGameFolder,
                             const std::string& slotName);

// The game folder as an absolute path, for naming its backups and records.
std::string AbsoluteGameFolder(const std::string& gameFolder);

// The slot's backup folder for a game folder as given; raises Exception with
// kBackupFailedText when the system names no place for backups.
std::string SlotBackupFolderOf(const std::string& gameFolder, const std::string& slotName);

// The backups (*.BIN of the naming scheme) in a slot's folder, newest first.
std::vector<TSaveBackup> BackupsInFolder(const std::string& folder);

// The path of the record beside a backup (.TXT for .BIN).
std::string BackupRecordPath(const std::string& backupPath);

// The record's text, and the save hash read back from one ("" when none).
std::string BackupRecordText(const std::string& gameFolder, const std::string& slotName, const std::string& time,
                             const std::string& saveHash);
std::string SaveHashOfRecord(const std::string& recordText);

// Writes a new backup of saveBytes into folder, named by the local time, with
// its record, then deletes the oldest beyond kBackupsKept. Raises Exception
// with kBackupFailedText and the path that failed.
TSaveBackup StoreBackup(const std::string& folder, const std::string& gameFolder, const std::string& slotName,
                        const std::string& saveBytes, const std::string& rewrittenHash);

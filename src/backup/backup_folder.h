// The backup folder's layout: where a slot's backups live, how they are
// numbered and named, listed newest first, pruned and cleaned up.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "backup/save_backup.h"

// The largest officer file that is backed up or restored (it has 76,000 bytes).
inline constexpr std::size_t kMaxSaveFileSize = std::size_t{1} << 20;

// Leftovers of a run that was killed (temporary files, a backup without its
// record or a record without its backup) are removed once this old.
inline constexpr std::int64_t kLeftoverAgeSeconds = 300;

// root + a readable tail of the absolute game folder and a short hash of it,
// + slotName; ending in a separator.
std::string SlotBackupFolder(const std::string& root, const std::string& absoluteGameFolder,
                             const std::string& slotName);

// The game folder as an absolute path, for naming its backups and records.
std::string AbsoluteGameFolder(const std::string& gameFolder);

// The slot's backup folder for a game folder as given; raises Exception with
// kBackupFailedText when the system names no place for backups.
std::string SlotBackupFolderOf(const std::string& gameFolder, const std::string& slotName);

// The backups in a slot's folder that have their record, newest (highest
// number) first.
std::vector<TSaveBackup> BackupsInFolder(const std::string& folder);

// The path of the record beside a backup (.TXT for .BIN).
std::string BackupRecordPath(const std::string& backupPath);

// A new backup's name in folder, claimed by creating it empty: numbered one
// past every number in the folder, the local time after the number for
// people. Another run that claims at once gets the next number.
TSaveBackup ClaimNewBackup(const std::string& folder);

// Deletes backups beyond the newest kBackupsKept, except the slot's oldest
// (its names before any rewrite).
void PruneBackups(const std::string& folder);

// Removes leftovers older than kLeftoverAgeSeconds: temporary files, and a
// backup or a record without the other.
void RemoveLeftovers(const std::string& folder);

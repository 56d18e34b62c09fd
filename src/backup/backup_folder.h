// The backup folder's layout: where a slot's backups live, how they are
// numbered and named, which of them count (verified), pruned and cleaned up.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "backup/save_backup.h"

// Leftovers of a run that was killed (temporary files, a backup without its
// record or a record without its backup) and pairs that do not verify are
// removed once this old.
inline constexpr std::int64_t kLeftoverAgeSeconds = 300;

// Where a slot's backups are kept, and what their records must name to count.
struct TSlotStore {
    std::string Folder;      // ending in a separator
    std::string GameFolder;  // absolute, as records name it
    std::string SlotName;
};

// root + a readable tail of the absolute game folder and a short hash of it,
// + slotName; ending in a separator.
std::string SlotBackupFolder(const std::string& root, const std::string& absoluteGameFolder,
                             const std::string& slotName);

// The game folder as an absolute path, for naming its backups and records.
std::string AbsoluteGameFolder(const std::string& gameFolder);

// The slot's store for a game folder as given; raises Exception naming the
// environment variable when the system names no place for backups, and
// EInOutError naming a game folder that is missing. Makes nothing.
TSlotStore SlotStoreOf(const std::string& gameFolder, const std::string& slotName);

// The verified backups of the store, newest (highest number) first: a .BIN,
// a regular file of the size its record states, with its .TXT whose record
// parses and names this game folder and slot.
// Everything else in the folder counts for nothing. A missing folder has
// none; one that cannot be read raises EInOutError naming it.
std::vector<TSaveBackup> VerifiedBackups(const TSlotStore& store);

// The path of the record beside a backup (.TXT for .BIN).
std::string BackupRecordPath(const std::string& backupPath);

// A new backup's name, claimed by creating it empty: numbered one past the
// newest verified backup (another run's name is skipped), the local time
// after the number for people. A name that would not read back as that
// number and time is refused with EInOutError naming it, nothing claimed.
TSaveBackup ClaimNewBackup(const TSlotStore& store, const std::vector<TSaveBackup>& verified);

// Stores bytes as a new backup: claimed (ClaimNewBackup), the copy and its
// record (record's Plan or SaveHash, the rest filled in) written and flushed
// once, put at the front of verified, which is then pruned. A failure
// removes what was claimed and travels out.
TSaveBackup StoreNewBackup(const TSlotStore& store, std::vector<TSaveBackup>& verified, const std::string& bytes,
                           const TBackupRecord& record);

// Removes a backup and its record; a missing one is no failure.
void RemoveBackup(const TSaveBackup& backup);

// Deletes verified backups beyond the newest kBackupsKept, except the oldest
// (the slot's names before any rewrite); newestFirst as VerifiedBackups gives them.
void PruneBackups(const std::vector<TSaveBackup>& newestFirst);

// Removes the folder's leftovers and unverified pairs older than
// kLeftoverAgeSeconds; names not of this store's form (earlier versions'
// backups, the lock) stay.
void RemoveLeftovers(const TSlotStore& store, const std::vector<TSaveBackup>& verified);

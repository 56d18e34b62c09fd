// The record kept beside each backup (.TXT): what it holds and how it is
// written and read, one "key=value" line per key, and what it says about a
// save: whether that save is the backup as its rewrite left it, or on the way.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One name a rewrite was to write: a record's index and its 12 new name bytes.
struct TPlannedName {
    std::int32_t Index = 0;
    std::string Name;
};

struct TBackupRecord {
    std::string GameFolder;  // the game folder's absolute path
    std::string SlotName;    // "LOG1.DAT"
    std::string Time;        // "YYYY-MM-DD HH:MM:SS", local time when taken
    std::uint64_t Size = 0;  // of the backup file itself
    std::string BackupHash;  // SHA-256 of the backup file
    // The names the rewrite writes, recorded before its first write. A record
    // of the earlier format, and that of a save kept before a forced restore,
    // has none; it holds SaveHash, the SHA-256 of the save as that rewrite
    // or restore left it, instead.
    std::vector<TPlannedName> Plan;
    std::string SaveHash;
};

// The record's text. Values are escaped ("\\", "\n", "\r" as "\\\\", "\\n",
// "\\r"), so that no folder name can start a line of its own.
std::string BackupRecordText(const TBackupRecord& record);

// The record of a text: false when a key is missing, unknown or given twice,
// or a value is malformed; the record then proves nothing.
bool ParseBackupRecord(const std::string& text, TBackupRecord& record);

// Whether a save is the backup's bytes as its rewrite left them, wherever the
// rewrite stopped or a power cut tore a name: every byte outside the names is
// the backup's, every name byte the backup's or a planned name's at that place.
bool IsRewriteOf(const std::string& save, const std::string& backup, const TBackupRecord& record);

// The backup's bytes with every planned name in place: where the rewrite ends.
std::string PlannedSave(const std::string& backup, const TBackupRecord& record);

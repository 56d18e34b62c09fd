// The record kept beside each backup (.TXT): what it holds and how it is
// written and read, one "key=value" line per key.
#pragma once

#include <cstdint>
#include <string>

struct TBackupRecord {
    std::string GameFolder;  // the game folder's absolute path, for people
    std::string SlotName;    // "LOG1.DAT"
    std::string Time;        // "YYYY-MM-DD HH:MM:SS", local time when taken
    std::uint64_t Size = 0;  // of the backup file itself
    std::string BackupHash;  // SHA-256 of the backup file
    std::string SaveHash;    // SHA-256 of the save as the last rewrite left it
};

// The record's text. Values are escaped ("\\", "\n", "\r" as "\\\\", "\\n",
// "\\r"), so that no folder name can start a line of its own.
std::string BackupRecordText(const TBackupRecord& record);

// The record of a text: false when a key is missing, unknown or given twice,
// or a value is malformed; the record then proves nothing.
bool ParseBackupRecord(const std::string& text, TBackupRecord& record);

// Fuzz target: the backup record's reader, over the text of a .TXT that
// anyone with the user's folder can write. A text that reads writes back to
// a text that reads as the same record, and over any backup bytes the
// backup itself and the save with every planned name are the rewrite's own.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "backup/backup_record.h"
#include "fuzz_check.h"
#include "process/officer_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    TBackupRecord record;
    if (!ParseBackupRecord(text, record)) return 0;
    // The same record: its text, a function of every field, the same.
    TBackupRecord again;
    FUZZ_CHECK(ParseBackupRecord(BackupRecordText(record), again));
    FUZZ_CHECK(BackupRecordText(again) == BackupRecordText(record));
    if (!record.SaveHash.empty()) return 0;
    // The officer file's whole size, its bytes taken from the text.
    std::string backup(static_cast<std::size_t>(kOfficerCount) * kOfficerRecordSize, '\0');
    backup.replace(0, std::min(size, backup.size()), text, 0, std::min(size, backup.size()));
    FUZZ_CHECK(IsRewriteOf(backup, backup, record));
    FUZZ_CHECK(IsRewriteOf(PlannedSave(backup, record), backup, record));
    return 0;
}

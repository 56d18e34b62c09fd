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

namespace {

bool SamePlan(const TBackupRecord& a, const TBackupRecord& b) {
    if (a.Plan.size() != b.Plan.size()) return false;
    for (std::size_t i = 0; i < a.Plan.size(); ++i) {
        if (a.Plan[i].Index != b.Plan[i].Index || a.Plan[i].Name != b.Plan[i].Name) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    TBackupRecord record;
    if (!ParseBackupRecord(text, record)) return 0;
    TBackupRecord again;
    FUZZ_CHECK(ParseBackupRecord(BackupRecordText(record), again));
    FUZZ_CHECK(again.GameFolder == record.GameFolder && again.SlotName == record.SlotName);
    FUZZ_CHECK(again.Time == record.Time && again.Size == record.Size && again.BackupHash == record.BackupHash);
    FUZZ_CHECK(again.SaveHash == record.SaveHash && SamePlan(again, record));
    if (!record.SaveHash.empty()) return 0;
    // The officer file's whole size, its bytes taken from the text.
    std::string backup(static_cast<std::size_t>(kOfficerCount) * kOfficerRecordSize, '\0');
    backup.replace(0, std::min(size, backup.size()), text, 0, std::min(size, backup.size()));
    FUZZ_CHECK(IsRewriteOf(backup, backup, record));
    FUZZ_CHECK(IsRewriteOf(PlannedSave(backup, record), backup, record));
    return 0;
}

// The in-place undo: one read and one write per planned record that differs.
#include "backup/undo_in_place.h"

#include <cstring>
#include <set>

#include "common/errors.h"
#include "process/officer_file.h"

void UndoInPlace(const std::string& savePath, const std::string& save, const std::string& backup,
                 const TBackupRecord& record) {
    std::set<std::int32_t> indexes;
    for (const TPlannedName& planned : record.Plan) indexes.insert(planned.Index);
    TOfficerFile file;
    try {
        file.Open(savePath, kOfficerRecordSize);
        for (const std::int32_t index : indexes) {
            const auto at = static_cast<std::size_t>(index) * kOfficerRecordSize;
            if (at + kOfficerRecordSize > save.size() ||
                save.compare(at, kOfficerRecordSize, backup, at, kOfficerRecordSize) == 0)
                continue;
            TOfficerRecord now{};
            TOfficerRecord old{};
            std::memcpy(&old, backup.data() + at, kOfficerRecordSize);
            file.Seek(index);
            file.Read(now);
            file.Seek(index);
            file.Write(old, &now);
        }
        file.Close();
    } catch (const EInOutError& error) {
        // The record layer names no file; the undo's error does.
        if (error.Message().rfind(savePath, 0) == 0) throw;
        throw EInOutError(error.ErrorCode(), savePath);
    }
}

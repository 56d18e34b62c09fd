// Walks the scenario's and the save's officer files record by
// record and gives every save record whose name differs the name built from
// the scenario's; and the same plan from both files' bytes read whole.
#include "process/process.h"

#include <cstddef>
#include <cstring>

#include "common/durable_file.h"
#include "common/error_codes.h"
#include "common/errors.h"

namespace {

bool SameName(const TOfficerRecord& a, const TOfficerRecord& b) {
    return std::memcmp(a.OfficerName, b.OfficerName, sizeof a.OfficerName) == 0;
}

std::string NameOf(const TOfficerRecord& record) {
    return std::string(reinterpret_cast<const char*>(record.OfficerName), sizeof record.OfficerName);
}

}  // namespace

void RewriteOfficerNames(const std::string& scenarioFolder, const std::string& saveFolder, TErrorNaming naming) {
    const std::string scenarioPath = scenarioFolder + kOfficerFileName;
    const std::string savePath = saveFolder + kOfficerFileName;
    const std::string* acting = &scenarioPath;  // the file of the call under way, for naming its error
    try {
        // Both files are opened for writing, as the game's files always are; a
        // failure anywhere closes whatever is open on the way out (destructors),
        // so a later run and the game can open them again at once.
        TOfficerFile scenario;
        scenario.Open(scenarioPath, kOfficerRecordSize);
        acting = &savePath;
        TOfficerFile save;
        save.Open(savePath, kOfficerRecordSize);
        // Records 0 to 1999 of both files, the scenario's first at each index.
        // Each read and write goes to the system as it comes: nothing is
        // cached, batched or read ahead.
        TOfficerRecord scenarioRecord;
        TOfficerRecord saveRecord;
        for (std::int32_t i = 0; i < kOfficerCount; ++i) {
            acting = &scenarioPath;
            scenario.Seek(i);
            scenario.Read(scenarioRecord);
            acting = &savePath;
            save.Seek(i);
            save.Read(saveRecord);
            if (SameName(scenarioRecord, saveRecord)) continue;
            const TOfficerRecord before = saveRecord;  // put back should the write tear the name
            StoreOfficerName(saveRecord, BuildNewOfficerName(NameOf(scenarioRecord)));
            save.Seek(i);  // the read moved past the record
            save.Write(saveRecord, &before);
        }
        acting = &scenarioPath;
        scenario.Close();
        acting = &savePath;
        save.Close();
    } catch (const EInOutError& error) {
        if (naming == TErrorNaming::CodeOnly) throw;
        throw EInOutError(error.ErrorCode(), *acting);
    }
}

std::vector<TOfficerNameChange> PlanOfficerNameChanges(const std::string& scenario, const std::string& save,
                                                       const std::string& scenarioPath, const std::string& savePath) {
    constexpr auto kNeeded = static_cast<std::size_t>(kOfficerCount) * kOfficerRecordSize;
    // A file cut short fails as the record-by-record walk would, at its first short record.
    if (scenario.size() < kNeeded) throw EInOutError(kErrorShortRead, scenarioPath);
    if (save.size() < kNeeded) throw EInOutError(kErrorShortRead, savePath);
    std::vector<TOfficerNameChange> changes;
    for (std::int32_t i = 0; i < kOfficerCount; ++i) {
        const auto at = static_cast<std::size_t>(i) * kOfficerRecordSize;
        TOfficerRecord scenarioRecord;
        TOfficerRecord saveRecord;
        std::memcpy(&scenarioRecord, scenario.data() + at, sizeof scenarioRecord);
        std::memcpy(&saveRecord, save.data() + at, sizeof saveRecord);
        if (SameName(scenarioRecord, saveRecord)) continue;
        TOfficerRecord rewritten = saveRecord;
        StoreOfficerName(rewritten, BuildNewOfficerName(NameOf(scenarioRecord)));
        // A name rewritten before differs from the scenario's and is written
        // again, but to the bytes it already holds: that is no change to list.
        if (SameName(rewritten, saveRecord)) continue;
        changes.push_back({i, NameOf(saveRecord), NameOf(rewritten)});
    }
    return changes;
}

std::string ApplyOfficerNameChanges(std::string save, const std::vector<TOfficerNameChange>& changes) {
    for (const TOfficerNameChange& change : changes) {
        const std::size_t at = static_cast<std::size_t>(change.Index) * kOfficerRecordSize +
                               offsetof(TOfficerRecord, OfficerName);
        save.replace(at, change.NewName.size(), change.NewName);
    }
    return save;
}

std::vector<TOfficerNameChange> PlanOfficerNameRewrite(const std::string& scenarioFolder,
                                                       const std::string& saveFolder) {
    const std::string scenarioPath = scenarioFolder + kOfficerFileName;
    const std::string savePath = saveFolder + kOfficerFileName;
    const std::string scenario = ReadWholeFile(scenarioPath, kMaxOfficerFileSize);
    return PlanOfficerNameChanges(scenario, ReadWholeFile(savePath, kMaxOfficerFileSize), scenarioPath, savePath);
}

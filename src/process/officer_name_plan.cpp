// The rewrite planned from both officer files read whole: for the dry run,
// the preview and the backup.
#include <cstddef>
#include <cstring>

#include "common/durable_file.h"
#include "common/error_codes.h"
#include "common/errors.h"
#include "process/process.h"

namespace {

std::string NameBytes(const TOfficerRecord& record) {
    return std::string(reinterpret_cast<const char*>(record.OfficerName), sizeof record.OfficerName);
}

}  // namespace

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
        if (NameBytes(scenarioRecord) == NameBytes(saveRecord)) continue;
        TOfficerRecord rewritten = saveRecord;
        StoreOfficerName(rewritten, BuildNewOfficerName(NameBytes(scenarioRecord)));
        // A name rewritten before differs from the scenario's and is written
        // again, but to the bytes it already holds: that is no change to list.
        if (NameBytes(rewritten) == NameBytes(saveRecord)) continue;
        changes.push_back({i, NameBytes(saveRecord), NameBytes(rewritten)});
    }
    return changes;
}

std::vector<TOfficerNameChange> PlanOfficerNameRewrite(const std::string& scenarioFolder,
                                                       const std::string& saveFolder) {
    const std::string scenarioPath = scenarioFolder + kOfficerFileName;
    const std::string savePath = saveFolder + kOfficerFileName;
    const std::string scenario = ReadWholeFile(scenarioPath, kMaxOfficerFileSize);
    return PlanOfficerNameChanges(scenario, ReadWholeFile(savePath, kMaxOfficerFileSize), scenarioPath, savePath);
}

// Walks the scenario's and the save's officer files record by
// record and gives every save record whose name differs the name built from
// the scenario's.
#include "process/process.h"

#include <cstring>

namespace {

bool SameName(const TOfficerRecord& a, const TOfficerRecord& b) {
    return std::memcmp(a.OfficerName, b.OfficerName, sizeof a.OfficerName) == 0;
}

std::string NameOf(const TOfficerRecord& record) {
    return std::string(reinterpret_cast<const char*>(record.OfficerName), sizeof record.OfficerName);
}

// Reads records 0 to 1999 of both files, the scenario's first at each index,
// and hands every pair whose names differ to onDiffering. Each read goes to
// the system as it comes: nothing is cached, batched or read ahead.
template <typename OnDiffering>
void WalkOfficerNames(TOfficerFile& scenario, TOfficerFile& save, OnDiffering&& onDiffering) {
    TOfficerRecord scenarioRecord;
    TOfficerRecord saveRecord;
    for (std::int32_t i = 0; i < kOfficerCount; ++i) {
        scenario.Seek(i);
        scenario.Read(scenarioRecord);
        save.Seek(i);
        save.Read(saveRecord);
        if (!SameName(scenarioRecord, saveRecord)) onDiffering(i, scenarioRecord, saveRecord);
    }
}

}  // namespace

void RewriteOfficerNames(const std::string& scenarioFolder, const std::string& saveFolder) {
    // Both files are opened for writing, as the game's files always are; a
    // failure anywhere closes whatever is open on the way out (destructors),
    // so a later run and the game can open them again at once.
    TOfficerFile scenario;
    scenario.Open(scenarioFolder + kOfficerFileName, kOfficerRecordSize);
    TOfficerFile save;
    save.Open(saveFolder + kOfficerFileName, kOfficerRecordSize);

    WalkOfficerNames(scenario, save,
                     [&save](std::int32_t i, const TOfficerRecord& scenarioRecord, TOfficerRecord& saveRecord) {
                         const TOfficerRecord before = saveRecord;  // put back should the write tear the name
                         StoreOfficerName(saveRecord, BuildNewOfficerName(NameOf(scenarioRecord)));
                         save.Seek(i);  // the read moved past the record
                         save.Write(saveRecord, &before);
                     });

    scenario.Close();
    save.Close();
}

std::vector<TOfficerNameChange> PlanOfficerNameRewrite(const std::string& scenarioFolder,
                                                       const std::string& saveFolder) {
    TOfficerFile scenario;
    scenario.Open(scenarioFolder + kOfficerFileName, kOfficerRecordSize, TOfficerFile::TAccess::ReadOnly);
    TOfficerFile save;
    save.Open(saveFolder + kOfficerFileName, kOfficerRecordSize, TOfficerFile::TAccess::ReadOnly);

    std::vector<TOfficerNameChange> changes;
    WalkOfficerNames(scenario, save,
                     [&changes](std::int32_t i, const TOfficerRecord& scenarioRecord, TOfficerRecord& saveRecord) {
                         TOfficerRecord rewritten = saveRecord;
                         StoreOfficerName(rewritten, BuildNewOfficerName(NameOf(scenarioRecord)));
                         // A name rewritten before differs from the scenario's and is written
                         // again, but to the bytes it already holds: that is no change to list.
                         if (SameName(rewritten, saveRecord)) return;
                         changes.push_back({i, NameOf(saveRecord), NameOf(rewritten)});
                     });

    scenario.Close();
    save.Close();
    return changes;
}

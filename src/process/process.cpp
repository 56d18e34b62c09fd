// Walks the scenario's and the save's officer files record by
// record and gives every save record whose name differs the name built from
// the scenario's.
#include "process/process.h"

#include <cstring>

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

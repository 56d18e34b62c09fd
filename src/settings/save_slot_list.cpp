// The save slot list's stored selection and labels for the current game folder.
#include "settings/save_slot_list.h"

#include "common/paths.h"
#include "settings/date_settings.h"
#include "settings/settings_store.h"
#include "settings/slot_query.h"

std::string SaveSlotPath(const std::string& baseDir, const std::string& slotName) {
    return SaveFolderOf(baseDir, slotName) + kSlotTimeFileName;
}

TSaveSlotLabel SaveSlotLabelOf(const std::string& baseDir, const std::string& slotName,
                               const TDateSettings& dateSettings) {
    if (const auto stamp = QuerySlotTimeStamp(SaveSlotPath(baseDir, slotName))) {
        return {slotName + SlotDateText(*stamp, dateSettings), false};
    }
    return {slotName + "  ---", true};
}

std::string SaveSlotLabel(const std::string& baseDir, const std::string& slotName, const TDateSettings& dateSettings) {
    return SaveSlotLabelOf(baseDir, slotName, dateSettings).Text;
}

std::string SaveSlotLabel(const std::string& baseDir, const std::string& slotName) {
    return SaveSlotLabel(baseDir, slotName, CurrentDateSettings());
}

std::int32_t StoredSaveSlotIndex(const TIniFile& iniFile) {
    return iniFile.ReadInteger(kSettingsSection, kSaveDataKey, -1);
}

std::vector<TSaveSlotLabel> SaveSlotLabels(const std::string& baseDir, const std::vector<std::string>& slotNames,
                                           const TDateSettings& dateSettings) {
    std::vector<TSaveSlotLabel> labels;
    labels.reserve(slotNames.size());
    for (const std::string& slotName : slotNames) labels.push_back(SaveSlotLabelOf(baseDir, slotName, dateSettings));
    return labels;
}

std::vector<TSaveSlotLabel> SaveSlotLabels(const std::string& baseDir, const std::vector<std::string>& slotNames) {
    return SaveSlotLabels(baseDir, slotNames, CurrentDateSettings());
}

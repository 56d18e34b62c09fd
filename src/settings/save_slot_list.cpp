// The save slot group's selection and labels for the current game folder.
#include "settings/save_slot_list.h"

#include <string_view>

#include "common/game_paths.h"
#include "common/path_separator.h"
#include "settings/date_settings.h"
#include "settings/settings_store.h"
#include "settings/slot_query.h"

std::string SaveSlotPath(const std::string& baseDir, const std::string& slotName) {
    return baseDir + slotName + kPathSeparator + kSlotTimeFileName;
}

namespace {
constexpr char kEmptySlotMarker[] = "---";
}  // namespace

bool IsEmptySlotLabel(const std::string& label) {
    const std::string_view marker = kEmptySlotMarker;
    return label.size() >= marker.size() && label.compare(label.size() - marker.size(), marker.size(), marker) == 0;
}

std::string SaveSlotLabel(const std::string& baseDir, const std::string& slotName, const TDateSettings& dateSettings) {
    if (const auto stamp = QuerySlotTimeStamp(SaveSlotPath(baseDir, slotName))) {
        return slotName + SlotDateText(*stamp, dateSettings);
    }
    return slotName + "  " + kEmptySlotMarker;
}

std::string SaveSlotLabel(const std::string& baseDir, const std::string& slotName) {
    return SaveSlotLabel(baseDir, slotName, CurrentDateSettings());
}

void RefreshSaveDataList(TRadioGroup& saveDataGroup, const TIniFile& iniFile, const std::string& baseDir,
                         const TDateSettings& dateSettings) {
    // The selection comes first, so a click handler it runs sees the old labels.
    saveDataGroup.SetItemIndex(iniFile.ReadInteger(kSettingsSection, kSaveDataKey, -1));
    const std::int32_t count = saveDataGroup.Count();
    for (std::int32_t i = 0; i < count; ++i) {
        const std::string slotName = saveDataGroup.Item(i).substr(0, 8);
        saveDataGroup.SetItem(i, SaveSlotLabel(baseDir, slotName, dateSettings));
    }
}

void RefreshSaveDataList(TRadioGroup& saveDataGroup, const TIniFile& iniFile, const std::string& baseDir) {
    RefreshSaveDataList(saveDataGroup, iniFile, baseDir, CurrentDateSettings());
}

// The save slot group's selection and labels for the current game folder.
#include "ui/save_slot_group.h"

#include <cstddef>
#include <vector>

#include "settings/date_settings.h"
#include "settings/save_slot_list.h"

void RefreshSaveDataList(TRadioGroup& saveDataGroup, const TIniFile& iniFile, const std::string& baseDir,
                         const TDateSettings& dateSettings) {
    // The selection comes first, so a click handler it runs sees the old labels.
    saveDataGroup.SetItemIndex(StoredSaveSlotIndex(iniFile));
    std::vector<std::string> slotNames;
    slotNames.reserve(static_cast<std::size_t>(saveDataGroup.Count()));
    for (std::int32_t i = 0; i < saveDataGroup.Count(); ++i) {
        slotNames.push_back(saveDataGroup.ItemName(i));
    }
    std::vector<TRadioItem> items;
    items.reserve(slotNames.size());
    for (TSaveSlotLabel& label : SaveSlotLabels(baseDir, slotNames, dateSettings)) {
        items.push_back({std::move(label.Text), label.Empty});
    }
    saveDataGroup.SetItems(std::move(items));
}

void RefreshSaveDataList(TRadioGroup& saveDataGroup, const TIniFile& iniFile, const std::string& baseDir) {
    RefreshSaveDataList(saveDataGroup, iniFile, baseDir, CurrentDateSettings());
}

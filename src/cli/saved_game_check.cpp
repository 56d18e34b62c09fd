// The empty-slot check before a rewrite, decided as the slot list decides "---".
#include "cli/saved_game_check.h"

#include "common/errors.h"
#include "settings/save_slot_list.h"
#include "settings/slot_query.h"

void RequireSavedGame(const std::string& gameFolder, const std::string& slotName) {
    if (QuerySlotTimeStamp(SaveSlotPath(gameFolder, slotName))) return;
    throw Exception(slotName + kNoSavedGameText);
}

// kasumiro-cli's refusal of a save slot that holds no saved game: a slot the
// window shows as "---", where a click only beeps.
#pragma once

#include <string>

inline constexpr char kNoSavedGameText[] = ": セーブデータがありません.";

// Throws "SLOT: セーブデータがありません." when the slot shows "---" in the
// slot list: no dated SYSTEM.BIN in its folder.
void RequireSavedGame(const std::string& gameFolder, const std::string& slotName);

// The game's file and folder names, and the paths built from them.
#pragma once

#include <string>

inline constexpr char kOfficerFileName[] = "BUSYO21.BIN";
inline constexpr char kScenarioFolderName[] = "NEW.DAT";
// Present in a save slot's folder only while the slot holds a saved game.
inline constexpr char kSlotTimeFileName[] = "SYSTEM.BIN";
inline constexpr int kSaveSlotCount = 5;

// The name of save slot n (1 to 5), "LOG1.DAT" to "LOG5.DAT".
std::string SaveSlotName(int slot);

// The scenario's folder and a save slot's folder in a game folder that ends
// in a separator (BaseDir), each ending in a separator; plain concatenation.
std::string ScenarioFolderOf(const std::string& gameFolder);
std::string SaveFolderOf(const std::string& gameFolder, const std::string& slotName);

// The game folder as a folder path ending in a separator: one is added only
// when the folder does not end in one already ("/" also counts on Windows).
std::string GameFolderPath(const std::string& folder);

// Raises EInOutError (code 3) naming a folder that is missing
// ("PATH: フォルダが見つかりません") or that is something else ("PATH: フォルダ
// ではありません"); a link to a folder counts as the folder.
void RequireFolder(const std::string& folder);
// The same for the game folder (for one stored without its separator, whose
// names are joined onto it as they are, the folder it lies in).
void RequireGameFolder(const std::string& gameFolder);
// The same for the game folder, then its scenario folder, then the slot's folder.
void RequireGameFolders(const std::string& gameFolder, const std::string& slotName);

// The folder part of a path, up to and including its last separator; empty
// when the path has none. "/" also counts on Windows.
std::string FolderOfPath(const std::string& path);

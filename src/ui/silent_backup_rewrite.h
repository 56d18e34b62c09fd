// Execute of the Windows program: the rewrite as ever, with a backup taken
// unseen before its first write, and whether its menu may offer the undo.
#pragma once

#include <string>

inline constexpr char kUndoMenuText[] = "元に戻す(&U)";

// Asks "実行しますか?" and on はい rewrites the slot record by record and says
// so, exactly as the plain rewrite does; before the first write the save is
// copied to the backup store (no copy when no byte would change). A backup
// that cannot be made raises its error before anything is written; the
// files' own errors read as the plain rewrite's. Errors travel out.
void RunSilentlyBackedUpRewrite(const std::string& gameFolder, const std::string& slotName);

// Whether the slot has a backup to go back to; false when the store cannot be found.
bool SlotHasBackup(const std::string& gameFolder, const std::string& slotName);

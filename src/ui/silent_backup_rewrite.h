// Execute of the Windows program: the rewrite as ever, with a backup taken
// unseen before its first write.
#pragma once

#include <string>

inline constexpr char kUndoMenuText[] = "元に戻す(&U)";

// Asks "実行しますか?" and on はい runs the store's RewriteWithBackup and says
// "データを書き換えました.", as the plain rewrite did: the same record-by-record
// rewrite, with the save copied to the backup store before its first write
// (no copy when no byte would change; the plain rewrite then runs as ever). A
// backup that cannot be made raises its error before anything is written;
// the files' own errors read by their code alone. Errors travel out.
void RunSilentlyBackedUpRewrite(const std::string& gameFolder, const std::string& slotName);

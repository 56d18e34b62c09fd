// The commands of kasumiro-cli; each returns the process exit code.
#pragma once

#include <iosfwd>

#include "cli/cli_arguments.h"

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // an I/O error, reported with the error box's text
inline constexpr int kExitUsage = 2;

// Rewrites the slot's officer names without asking, after a backup unless
// arguments.NoBackup is set, or lists what a rewrite would change when
// arguments.DryRun is set.
int RunRewriteCommand(const TCliArguments& arguments, std::ostream& out, std::ostream& err);

// Prints the five save slot labels, one a line; a missing folder, or one
// without the scenario's folder, fails as the rewrite does (exit 1, named).
int RunSlotsCommand(const TCliArguments& arguments, std::ostream& out, std::ostream& err);

// Lists the slot's backups, newest first: the time and the path, one a
// line; a third column "書き換え途中" marks the newest when its rewrite
// stopped part-way.
int RunBackupsCommand(const TCliArguments& arguments, std::ostream& out, std::ostream& err);

// Puts the slot's newest or named backup back; its path goes to standard
// error. A save that is that backup already is said so, exit 0.
int RunRestoreCommand(const TCliArguments& arguments, std::ostream& out, std::ostream& err);

// Prints the game folders found in the user's Wine, Steam, Bottles and
// Lutris prefixes, one a line: name, tab, path. None found is a failure,
// said on err with the number of places searched. Refused on Windows.
int RunPlacesCommand(std::ostream& out, std::ostream& err);

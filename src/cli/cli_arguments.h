// The command line of kasumiro-cli, parsed into what to do without touching any file.
#pragma once

#include <string>
#include <vector>

#include "common/version.h"

enum class TCliCommand { Usage, Help, Version, Rewrite, Slots, Backups, Restore, Places };

struct TCliArguments {
    TCliCommand Command = TCliCommand::Usage;
    std::string GameFolder;       // as given; see GameFolderPath
    int Slot = 0;                 // 1 to 5: rewrite, backups and restore
    bool DryRun = false;          // rewrite only
    bool NoBackup = false;        // rewrite only
    bool Force = false;           // restore only
    std::string BackupName;       // restore only; empty for the newest
    std::string Problem;          // why the arguments were refused (Usage only): the program's words
    std::string ProblemArgument;  // the argument refused, if any: the system's text, said after Problem
};

// Parses the arguments after the program name. Refused arguments give the
// command Usage with a one-line Problem, in Japanese like every text of the program.
TCliArguments ParseCliArguments(const std::vector<std::string>& args);

std::string CliUsageText();
// The line after a refused command line's problem.
inline constexpr char kCliUsageHint[] = "詳しくは kasumiro-cli --help\n";
inline constexpr char kCliVersionText[] = "kasumiro-cli " KASUMIRO_VERSION;

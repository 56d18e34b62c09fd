// The command line of kasumiro-cli, parsed into what to do without touching any file.
#pragma once

#include <string>
#include <vector>

enum class TCliCommand { Usage, Help, Version, Rewrite, Slots };

struct TCliArguments {
    TCliCommand Command = TCliCommand::Usage;
    std::string GameFolder;  // as given; see GameFolderPath
    int Slot = 0;            // 1 to 5, rewrite only
    bool DryRun = false;     // rewrite only
    std::string Problem;     // why the arguments were refused (Usage only)
};

// Parses the arguments after the program name. Refused arguments give the
// command Usage with a one-line Problem.
TCliArguments ParseCliArguments(const std::vector<std::string>& args);

// The game folder as a folder path ending in a separator: one is added only
// when the folder does not end in one already ("/" also counts on Windows).
std::string GameFolderPath(const std::string& folder);

// The name of save slot n (1 to 5), "LOG1.DAT" to "LOG5.DAT".
std::string SaveSlotName(int slot);

std::string CliUsageText();
inline constexpr char kCliVersionText[] = "kasumiro-cli 1.0.0";

// Argument parsing of kasumiro-cli: options anywhere, then the command and its operands.
#include "cli/cli_arguments.h"

#include "common/path_separator.h"
#include "common/system_text.h"

namespace {

TCliArguments Refuse(std::string problem) {
    TCliArguments result;
    result.Problem = std::move(problem);
    return result;
}

}  // namespace

TCliArguments ParseCliArguments(const std::vector<std::string>& args) {
    bool help = false;
    bool version = false;
    bool dryRun = false;
    bool optionsEnded = false;
    std::vector<std::string> operands;
    for (const std::string& arg : args) {
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            operands.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;  // lets a folder name start with "-"
        } else if (arg == "--help" || arg == "-h") {
            help = true;
        } else if (arg == "--version") {
            version = true;
        } else if (arg == "--dry-run") {
            dryRun = true;
        } else {
            return Refuse("unknown option: " + arg);
        }
    }
    TCliArguments result;
    if (help) {
        result.Command = TCliCommand::Help;
        return result;
    }
    if (version) {
        result.Command = TCliCommand::Version;
        return result;
    }
    if (operands.empty()) return Refuse("no command given");

    const std::string& command = operands[0];
    if (command == "rewrite") {
        if (operands.size() != 3) return Refuse("rewrite takes GAME_FOLDER and SLOT");
        const std::string& slot = operands[2];
        if (slot.size() != 1 || slot[0] < '1' || slot[0] > '5') return Refuse("SLOT must be 1 to 5: " + slot);
        result.Command = TCliCommand::Rewrite;
        result.Slot = slot[0] - '0';
        result.DryRun = dryRun;
    } else if (command == "slots") {
        if (operands.size() != 2) return Refuse("slots takes GAME_FOLDER");
        if (dryRun) return Refuse("--dry-run goes with rewrite only");
        result.Command = TCliCommand::Slots;
    } else {
        return Refuse("unknown command: " + command);
    }
    // An empty folder would turn into the root folder once the separator is added.
    if (operands[1].empty()) return Refuse("GAME_FOLDER is empty");
    result.GameFolder = operands[1];
    return result;
}

std::string CliUsageText() {
    // GNU's layout, which help2man turns into the man page.
    return "Usage: kasumiro-cli rewrite [--dry-run] GAME_FOLDER SLOT\n"
           "  or:  kasumiro-cli slots GAME_FOLDER\n"
           "  or:  kasumiro-cli --help | --version\n"
           "\n"
           "  rewrite    gives every officer of save slot SLOT (1 to 5, LOG1.DAT to\n"
           "             LOG5.DAT) whose name differs from the scenario NEW.DAT the\n"
           "             scenario's name with the suffix 嗣 added, in GAME_FOLDER's\n"
           "             BUSYO21.BIN files\n"
           "  --dry-run  writes nothing; lists index, current name and new name of\n"
           "             each record that would change\n"
           "  slots      lists the five save slots with the time of their saved game\n";
}

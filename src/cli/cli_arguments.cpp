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

struct TOptions {
    bool Help = false;
    bool Version = false;
    bool DryRun = false;
    bool NoBackup = false;
    bool Force = false;
};

// The options go into options, the rest into operands; the unknown option, if any.
std::string SplitArguments(const std::vector<std::string>& args, TOptions& options,
                           std::vector<std::string>& operands) {
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            operands.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;  // lets a folder name start with "-"
        } else if (arg == "--help" || arg == "-h") {
            options.Help = true;
        } else if (arg == "--version") {
            options.Version = true;
        } else if (arg == "--dry-run") {
            options.DryRun = true;
        } else if (arg == "--no-backup") {
            options.NoBackup = true;
        } else if (arg == "--force") {
            options.Force = true;
        } else {
            return arg;
        }
    }
    return "";
}

bool ParseSlot(const std::string& slot, TCliArguments& result) {
    if (slot.size() != 1 || slot[0] < '1' || slot[0] > '5') return false;
    result.Slot = slot[0] - '0';
    return true;
}

// The command's operands and options checked; the problem, or "" when they fit.
std::string ParseCommand(const std::vector<std::string>& operands, const TOptions& options, TCliArguments& result) {
    const std::string& command = operands[0];
    const std::size_t count = operands.size();
    if (command == "rewrite") {
        if (count != 3) return "rewrite takes GAME_FOLDER and SLOT";
        if (options.Force) return "--force goes with restore only";
        result.Command = TCliCommand::Rewrite;
    } else if (command == "slots") {
        if (count != 2) return "slots takes GAME_FOLDER";
        result.Command = TCliCommand::Slots;
    } else if (command == "backups") {
        if (count != 3) return "backups takes GAME_FOLDER and SLOT";
        result.Command = TCliCommand::Backups;
    } else if (command == "restore") {
        if (count != 3 && count != 4) return "restore takes GAME_FOLDER, SLOT and perhaps BACKUP";
        result.Command = TCliCommand::Restore;
        if (count == 4) result.BackupName = operands[3];
    } else {
        return "unknown command: " + command;
    }
    if (options.DryRun && command != "rewrite") return "--dry-run goes with rewrite only";
    if (options.NoBackup && command != "rewrite") return "--no-backup goes with rewrite only";
    if (options.Force && command != "restore") return "--force goes with restore only";
    if (count >= 3 && !ParseSlot(operands[2], result)) return "SLOT must be 1 to 5: " + operands[2];
    // An empty folder would turn into the root folder once the separator is added.
    if (operands[1].empty()) return "GAME_FOLDER is empty";
    result.GameFolder = operands[1];
    result.DryRun = options.DryRun;
    result.NoBackup = options.NoBackup;
    result.Force = options.Force;
    return "";
}

}  // namespace

TCliArguments ParseCliArguments(const std::vector<std::string>& args) {
    TOptions options;
    std::vector<std::string> operands;
    const std::string unknown = SplitArguments(args, options, operands);
    if (!unknown.empty()) return Refuse("unknown option: " + unknown);
    TCliArguments result;
    if (options.Help) {
        result.Command = TCliCommand::Help;
        return result;
    }
    if (options.Version) {
        result.Command = TCliCommand::Version;
        return result;
    }
    if (operands.empty()) return Refuse("no command given");
    const std::string problem = ParseCommand(operands, options, result);
    if (!problem.empty()) return Refuse(problem);
    return result;
}

std::string CliUsageText() {
    // GNU's layout, which help2man turns into the man page.
    return "Usage: kasumiro-cli rewrite [--dry-run | --no-backup] GAME_FOLDER SLOT\n"
           "  or:  kasumiro-cli slots GAME_FOLDER\n"
           "  or:  kasumiro-cli backups GAME_FOLDER SLOT\n"
           "  or:  kasumiro-cli restore [--force] GAME_FOLDER SLOT [BACKUP]\n"
           "  or:  kasumiro-cli --help | --version\n"
           "\n"
           "  rewrite      gives every officer of save slot SLOT (1 to 5, LOG1.DAT to\n"
           "               LOG5.DAT) whose name differs from the scenario NEW.DAT the\n"
           "               scenario's name with the suffix 嗣 added, in GAME_FOLDER's\n"
           "               BUSYO21.BIN files; the slot's BUSYO21.BIN is backed up\n"
           "               first, the backup's path goes to standard error\n"
           "  --dry-run    writes nothing; lists index, current name and new name of\n"
           "               each record that would change\n"
           "  --no-backup  rewrites without making a backup\n"
           "  slots        lists the five save slots with the time of their saved game\n"
           "  backups      lists the slot's backups, newest first: time and path\n"
           "  restore      puts the slot's newest backup back, or the one named BACKUP,\n"
           "               only while the save is still as the rewrite left it\n"
           "  --force      restores even when the save has changed since\n";
}

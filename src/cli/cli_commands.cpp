// kasumiro-cli's rewrite, dry run and slot listing on top of the core.
#include "cli/cli_commands.h"

#include <iostream>

#include "common/game_paths.h"
#include "common/path_separator.h"
#include "common/system_text.h"
#include "process/process.h"
#include "process/save_backup.h"
#include "settings/save_slot_list.h"
#include "cli/console_frame.h"
#include "cli/console_output.h"

namespace {

void PrintPlannedChanges(const std::string& scenarioFolder, const std::string& saveFolder, std::ostream& out) {
    for (const TOfficerNameChange& change : PlanOfficerNameRewrite(scenarioFolder, saveFolder)) {
        // The names come out readable in the system's code page.
        WriteText(out, OfficerNameChangeLine(change) + '\n', TTextOrigin::System);
    }
    out << std::flush;
}

// The backup's path goes to standard error, before the rewrite writes, so
// that it is known also when the rewrite then fails.
void RewriteWithBackup(const std::string& baseDir, const std::string& slotName, std::ostream& err) {
    const TSaveBackup backup = BackUpSaveBeforeRewrite(baseDir, slotName);
    WriteText(err, backup.Path + '\n', TTextOrigin::System);
    err << std::flush;
    RewriteOfficerNames(baseDir + kScenarioFolderName + kPathSeparator, baseDir + slotName + kPathSeparator);
}

// Runs a command's work: exit 0, or its error on err as the error box words
// it and exit 1.
template <typename Work>
int ReportingErrors(std::ostream& err, Work&& work) {
    try {
        work();
        return kExitSuccess;
    } catch (...) {
        WriteErrorLine(err, CurrentExceptionAsError());
        err << std::flush;
        return kExitFailure;
    }
}

}  // namespace

int RunRewriteCommand(const TCliArguments& arguments, std::ostream& out, std::ostream& err) {
    // The completion message and error texts go through a console frame that
    // answers every confirmation with yes (the command line is the
    // confirmation) and prints its information on standard output.
    TConsoleFrame frame(std::cin, out, err, true);
    TScopedFrame scope(frame);
    try {
        const std::string baseDir = GameFolderPath(arguments.GameFolder);
        const std::string scenarioFolder = baseDir + kScenarioFolderName + kPathSeparator;
        const std::string saveFolder = baseDir + SaveSlotName(arguments.Slot) + kPathSeparator;
        if (arguments.DryRun) {
            PrintPlannedChanges(scenarioFolder, saveFolder, out);
            return kExitSuccess;
        }
        if (arguments.NoBackup) {
            RewriteOfficerNames(scenarioFolder, saveFolder);
        } else {
            RewriteWithBackup(baseDir, SaveSlotName(arguments.Slot), err);
        }
        frame.ShowInformationBox(kRewriteDoneText);
        return kExitSuccess;
    } catch (...) {
        frame.ReportError(CurrentExceptionAsError());
        return kExitFailure;
    }
}

int RunSlotsCommand(const TCliArguments& arguments, std::ostream& out) {
    const std::string baseDir = GameFolderPath(arguments.GameFolder);
    for (int slot = 1; slot <= kSaveSlotCount; ++slot)
        WriteText(out, SaveSlotLabel(baseDir, SaveSlotName(slot)) + '\n', TTextOrigin::System);
    out << std::flush;
    return kExitSuccess;
}

int RunBackupsCommand(const TCliArguments& arguments, std::ostream& out, std::ostream& err) {
    return ReportingErrors(err, [&] {
        const std::string baseDir = GameFolderPath(arguments.GameFolder);
        for (const TSaveBackup& backup : ListSaveBackups(baseDir, SaveSlotName(arguments.Slot))) {
            WriteText(out, backup.Time + '\t' + backup.Path + '\n', TTextOrigin::System);
        }
        out << std::flush;
    });
}

int RunRestoreCommand(const TCliArguments& arguments, std::ostream& out, std::ostream& err) {
    return ReportingErrors(err, [&] {
        const std::string baseDir = GameFolderPath(arguments.GameFolder);
        const TSaveBackup backup = RestoreSaveBackup(baseDir, SaveSlotName(arguments.Slot), arguments.BackupName,
                                                     arguments.Force);
        WriteText(err, backup.Path + '\n', TTextOrigin::System);
        err << std::flush;
        WriteText(out, std::string(kRestoredText) + '\n', TTextOrigin::Program);
        out << std::flush;
    });
}

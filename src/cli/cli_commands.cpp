// kasumiro-cli's rewrite, dry run and slot listing on top of the core.
#include "cli/cli_commands.h"

#include <iostream>

#include "common/game_paths.h"
#include "common/path_separator.h"
#include "common/system_text.h"
#include "process/process.h"
#include "settings/save_slot_list.h"
#include "cli/console_frame.h"
#include "cli/console_output.h"

namespace {

void PrintPlannedChanges(const std::string& scenarioFolder, const std::string& saveFolder, std::ostream& out) {
    for (const TOfficerNameChange& change : PlanOfficerNameRewrite(scenarioFolder, saveFolder)) {
        // The names come out readable in the system's code page.
        WriteText(out,
                  std::to_string(change.Index) + '\t' + SjisToReadableText(change.CurrentName) + '\t' +
                      SjisToReadableText(change.NewName) + '\n',
                  TTextOrigin::System);
    }
    out << std::flush;
}

}  // namespace

int RunRewriteCommand(const TCliArguments& arguments, std::ostream& out, std::ostream& err) {
    // The completion message and error texts go through a console frame that
    // answers every confirmation with yes: the command line is the confirmation.
    TConsoleFrame frame(std::cin, out, err, true);
    TScopedFrame scope(frame);
    try {
        const std::string baseDir = GameFolderPath(arguments.GameFolder);
        const std::string scenarioFolder = baseDir + kScenarioFolderName + kPathSeparator;
        const std::string saveFolder = baseDir + SaveSlotName(arguments.Slot) + kPathSeparator;
        if (arguments.DryRun) {
            PrintPlannedChanges(scenarioFolder, saveFolder, out);
        } else {
            RewriteOfficerNames(scenarioFolder, saveFolder);
        }
        return kExitSuccess;
    } catch (...) {
        frame.ReportError(CurrentExceptionAsError());
        return kExitFailure;
    }
}

int RunSlotsCommand(const TCliArguments& arguments, std::ostream& out) {
    const std::string baseDir = GameFolderPath(arguments.GameFolder);
    for (int slot = 1; slot <= kSaveSlotCount; ++slot) WriteText(out, SaveSlotLabel(baseDir, SaveSlotName(slot)) + '\n', TTextOrigin::System);
    out << std::flush;
    return kExitSuccess;
}

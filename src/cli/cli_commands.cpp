// kasumiro-cli's rewrite, dry run, slot listing, backups and restore on top
// of the core and the backup store.
#include "cli/cli_commands.h"

#include <ostream>

#include "backup/save_backup.h"
#include "cli/console_output.h"
#include "cli/saved_game_check.h"
#include "common/game_paths.h"
#include "common/system_text.h"
#include "process/process.h"
#include "settings/save_slot_list.h"

namespace {

inline constexpr char kForceHintText[] = "--force を付けると, それでも元に戻します.";

void PrintLine(std::ostream& stream, const std::string& text, TTextOrigin origin) {
    WriteText(stream, text + '\n', origin);
    stream << std::flush;
}

void PrintPlannedChanges(const std::vector<TOfficerNameChange>& changes, std::ostream& out) {
    // The names come out readable in the system's code page.
    for (const TOfficerNameChange& change : changes)
        WriteText(out, OfficerNameChangeLine(change) + '\n', TTextOrigin::System);
    out << std::flush;
}

// The store's one step: read, plan, copy, rewrite, record. Nothing to change:
// that is said, and nothing is backed up or written. The backup's path goes to
// standard error before the rewrite writes, so that it is known also when the
// rewrite then fails.
void RewriteWithBackup(const std::string& gameFolder, const std::string& slotName, std::ostream& out,
                       std::ostream& err) {
    TBackedUpRewrite rewrite(gameFolder, slotName);
    if (rewrite.Changes().empty()) {
        PrintLine(out, NothingToRewriteText(slotName), TTextOrigin::Program);
        return;
    }
    PrintLine(err, rewrite.BackUp().Path, TTextOrigin::System);
    rewrite.Rewrite();
    PrintLine(out, kRewriteDoneText, TTextOrigin::Program);
}

// Runs a command's work: exit 0, or its error on err as the error box words
// it and exit 1; a refused restore adds how to restore anyway.
template <typename Work>
int ReportingErrors(std::ostream& err, Work&& work) {
    try {
        work();
        return kExitSuccess;
    } catch (const ESaveChanged& error) {
        WriteErrorLine(err, error);
        PrintLine(err, kForceHintText, TTextOrigin::Program);
    } catch (...) {
        WriteErrorLine(err, CurrentExceptionAsError());
        err << std::flush;
    }
    return kExitFailure;
}

}  // namespace

int RunRewriteCommand(const TCliArguments& arguments, std::ostream& out, std::ostream& err) {
    return ReportingErrors(err, [&] {
        const std::string gameFolder = GameFolderPath(arguments.GameFolder);
        const std::string slotName = SaveSlotName(arguments.Slot);
        RequireSavedGame(gameFolder, slotName);
        if (arguments.DryRun) {
            PrintPlannedChanges(
                PlanOfficerNameRewrite(ScenarioFolderOf(gameFolder), SaveFolderOf(gameFolder, slotName)), out);
        } else if (arguments.NoBackup) {
            // The plain record-by-record rewrite, as the Windows program runs it.
            RewriteOfficerNames(ScenarioFolderOf(gameFolder), SaveFolderOf(gameFolder, slotName),
                                TErrorNaming::WithPath);
            PrintLine(out, kRewriteDoneText, TTextOrigin::Program);
        } else {
            RewriteWithBackup(gameFolder, slotName, out, err);
        }
    });
}

int RunSlotsCommand(const TCliArguments& arguments, std::ostream& out) {
    const std::string gameFolder = GameFolderPath(arguments.GameFolder);
    for (int slot = 1; slot <= kSaveSlotCount; ++slot)
        WriteText(out, SaveSlotLabel(gameFolder, SaveSlotName(slot)) + '\n', TTextOrigin::System);
    out << std::flush;
    return kExitSuccess;
}

int RunBackupsCommand(const TCliArguments& arguments, std::ostream& out, std::ostream& err) {
    return ReportingErrors(err, [&] {
        const std::string gameFolder = GameFolderPath(arguments.GameFolder);
        for (const TSaveBackup& backup : ListSaveBackups(gameFolder, SaveSlotName(arguments.Slot))) {
            WriteText(out, backup.Time + '\t' + backup.Path + '\n', TTextOrigin::System);
        }
        out << std::flush;
    });
}

int RunRestoreCommand(const TCliArguments& arguments, std::ostream& out, std::ostream& err) {
    return ReportingErrors(err, [&] {
        const std::string gameFolder = GameFolderPath(arguments.GameFolder);
        const TRestoreGuard guard = arguments.Force ? TRestoreGuard::EvenOverNewerProgress
                                                    : TRestoreGuard::OnlyOverRewrittenSave;
        const TSaveBackup backup = RestoreSaveBackup(gameFolder, SaveSlotName(arguments.Slot), arguments.BackupName,
                                                     guard);
        PrintLine(err, backup.Path, TTextOrigin::System);
        PrintLine(out, kRestoredText, TTextOrigin::Program);
    });
}

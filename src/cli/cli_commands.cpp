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
// After a listed backup whose rewrite stopped part-way.
inline constexpr char kUnfinishedMark[] = "書き換え途中";

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

// The store's one rewrite with its backup, shown as lines. The backup's path
// goes to standard error before the rewrite writes, so that it is known also
// when the rewrite then fails or is killed.
void RewriteBackedUp(const std::string& gameFolder, const std::string& slotName, std::ostream& out, std::ostream& err) {
    TRewriteOptions options;
    options.BackedUp = [&err](const TSaveBackup& backup) { PrintLine(err, backup.Path, TTextOrigin::System); };
    const TRewriteOutcome outcome = RewriteWithBackup(gameFolder, slotName, options);
    if (outcome.Error) RaiseKeptError(*outcome.Error);
    PrintLine(out, outcome.NothingToRewrite ? NothingToRewriteText(slotName) : kRewriteDoneText, TTextOrigin::Program);
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
        // The missing folder by name first, then a slot without a saved game.
        RequireGameFolders(gameFolder, slotName);
        RequireSavedGame(gameFolder, slotName);
        if (arguments.DryRun) {
            PrintPlannedChanges(
                PlanOfficerNameRewrite(ScenarioFolderOf(gameFolder), SaveFolderOf(gameFolder, slotName)), out);
        } else if (arguments.NoBackup) {
            // The plain record-by-record rewrite, without a backup.
            RewriteOfficerNames(ScenarioFolderOf(gameFolder), SaveFolderOf(gameFolder, slotName),
                                TErrorNaming::WithPath);
            PrintLine(out, kRewriteDoneText, TTextOrigin::Program);
        } else {
            RewriteBackedUp(gameFolder, slotName, out, err);
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
            WriteText(out, backup.Time + '\t' + backup.Path, TTextOrigin::System);
            WriteText(out, backup.Unfinished ? std::string("\t") + kUnfinishedMark + '\n' : "\n", TTextOrigin::Program);
        }
        out << std::flush;
    });
}

int RunRestoreCommand(const TCliArguments& arguments, std::ostream& out, std::ostream& err) {
    return ReportingErrors(err, [&] {
        const std::string gameFolder = GameFolderPath(arguments.GameFolder);
        const TRestoreGuard guard = arguments.Force ? TRestoreGuard::EvenOverNewerProgress
                                                    : TRestoreGuard::OnlyOverRewrittenSave;
        const std::string slotName = SaveSlotName(arguments.Slot);
        const TRestoreOutcome restore = RestoreSaveBackup(gameFolder, slotName, arguments.BackupName, guard);
        if (restore.NothingToUndo) {
            PrintLine(out, NothingToUndoText(slotName), TTextOrigin::Program);
            return;
        }
        PrintLine(err, restore.Backup.Path, TTextOrigin::System);
        PrintLine(out, kRestoredText, TTextOrigin::Program);
    });
}

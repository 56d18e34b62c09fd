// The Windows program's rewrite with its unseen backup.
#include "ui/silent_backup_rewrite.h"

#include "backup/save_backup.h"
#include "common/paths.h"
#include "process/process.h"
#include "ui/frame.h"
#include "ui/undoable_rewrite.h"

void RunSilentlyBackedUpRewrite(const std::string& gameFolder, const std::string& slotName) {
    if (AskConfirmation(kExecuteQuestion) != mrYes) return;
    TRewriteOptions options;
    // A save cut short is backed up as it is: the rewrite then goes as far as
    // it always has before it fails. The files' errors read by their code.
    options.Unplanned = TUnplannedSave::BackUpAsItIs;
    options.Naming = TErrorNaming::CodeOnly;
    const TRewriteOutcome outcome = RewriteWithBackup(gameFolder, slotName, options);
    if (outcome.Error) RaiseKeptError(*outcome.Error);
    // Nothing to change: the plain rewrite runs as it always did, and reports as it always did.
    if (outcome.NothingToRewrite) RewriteOfficerNames(ScenarioFolderOf(gameFolder), SaveFolderOf(gameFolder, slotName));
    ShowInformationBox(kRewriteDoneText);
}

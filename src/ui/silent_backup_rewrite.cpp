// The Windows program's rewrite with its unseen backup, and whether a slot has one.
#include "ui/silent_backup_rewrite.h"

#include <optional>

#include "backup/save_backup.h"
#include "common/frame.h"
#include "common/game_paths.h"
#include "process/process.h"
#include "ui/undoable_rewrite.h"

namespace {

// Backs the save up and rewrites it, holding the slot's backups locked only
// for that. False when no byte would change: nothing was copied or written.
bool RewriteWithBackup(const std::string& gameFolder, const std::string& slotName) {
    std::optional<TBackedUpRewrite> rewrite;
    try {
        // A save cut short is backed up as it is: the rewrite then goes as far
        // as it always has before it fails.
        rewrite.emplace(gameFolder, slotName, TUnplannedSave::BackUpAsItIs);
    } catch (const EInOutError& error) {
        // An officer file that cannot be read: the box says what the plain
        // rewrite says for it, and nothing is written.
        throw EInOutError(error.ErrorCode());
    }
    if (!rewrite->MayChange()) return false;
    rewrite->BackUp();
    rewrite->Rewrite(TErrorNaming::CodeOnly);
    return true;
}

}  // namespace

void RunSilentlyBackedUpRewrite(const std::string& gameFolder, const std::string& slotName) {
    if (AskConfirmation(kExecuteQuestion) != mrYes) return;
    if (!RewriteWithBackup(gameFolder, slotName))
        RewriteOfficerNames(ScenarioFolderOf(gameFolder), SaveFolderOf(gameFolder, slotName));
    ShowInformationBox(kRewriteDoneText);
}

bool SlotHasBackup(const std::string& gameFolder, const std::string& slotName) {
    try {
        return !ListSaveBackups(gameFolder, slotName).empty();
    } catch (const Exception&) {
        return false;
    }
}

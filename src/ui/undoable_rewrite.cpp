// The previewed, backed-up and undoable rewrite, over the frame's boxes.
#include "ui/undoable_rewrite.h"

#include <optional>

#include "common/game_paths.h"
#include "process/process.h"

namespace {

// The rewrite with its backup, the slot's lock let go before any box shows.
// False when the save, planned again, needs no change. A rewrite that stopped
// after changing the save leaves its error in stopped; other errors travel out.
bool RewriteBackedUp(const std::string& gameFolder, const std::string& slotName, TSaveBackup& backup,
                     std::optional<Exception>& stopped) {
    TBackedUpRewrite rewrite(gameFolder, slotName);
    if (rewrite.Changes().empty()) return false;
    backup = rewrite.BackUp();
    try {
        rewrite.Rewrite();
    } catch (const Exception& error) {
        if (!rewrite.ChangedSave()) throw;
        stopped = error;
    }
    return true;
}

}  // namespace

TBoxPreview RewritePreview(const std::string& gameFolder, const std::string& slotName) {
    std::vector<TOfficerNameChange> changes;
    try {
        changes = PlanOfficerNameRewrite(ScenarioFolderOf(gameFolder), SaveFolderOf(gameFolder, slotName));
    } catch (const Exception&) {
        return {};
    }
    TBoxPreview preview;
    preview.Informative = changes.empty()
                              ? NothingToRewriteText(slotName)
                              : slotName + ": 武将 " + std::to_string(changes.size()) + " 人の名前を書き換えます.";
    for (const TOfficerNameChange& change : changes) preview.Details += OfficerNameChangeLine(change) + '\n';
    return preview;
}

void RunUndoableRewrite(const std::string& gameFolder, const std::string& slotName) {
    const TBoxPreview preview = RewritePreview(gameFolder, slotName);
    if (preview.Informative == NothingToRewriteText(slotName)) {
        ShowInformationBox(preview.Informative);  // OK only: there is nothing to ask
        return;
    }
    if (AskConfirmationWithPreview(kExecuteQuestion, preview) != mrYes) return;
    // The save may have changed while the box was open: it is planned again.
    TSaveBackup backup;
    std::optional<Exception> stopped;
    if (!RewriteBackedUp(gameFolder, slotName, backup, stopped)) {
        ShowInformationBox(NothingToRewriteText(slotName));
        return;
    }
    // A rewrite that stopped part-way shows its error with the way back.
    const std::string text = stopped ? ErrorBoxText(stopped->Message()) : std::string(kRewriteDoneText);
    if (ShowUndoableInformationBox(text) == mrUndo) UndoRewrite(gameFolder, slotName, backup.Path);
}

void UndoRewrite(const std::string& gameFolder, const std::string& slotName, const std::string& backupName) {
    try {
        RestoreSaveBackup(gameFolder, slotName, backupName, TRestoreGuard::OnlyOverRewrittenSave);
    } catch (const ESaveChanged&) {
        throw EUndoRefused(backupName);
    }
    ShowInformationBox(kRestoredText);
}

// The previewed, backed-up and undoable rewrite, over the frame's boxes.
#include "ui/undoable_rewrite.h"

#include <optional>
#include <vector>

#include "common/paths.h"
#include "process/process.h"

namespace {

// What a rewrite of the slot would change; none when the dry run fails (the
// rewrite then reports the error itself).
std::optional<std::vector<TOfficerNameChange>> PlannedChanges(const std::string& gameFolder,
                                                              const std::string& slotName) {
    try {
        return PlanOfficerNameRewrite(ScenarioFolderOf(gameFolder), SaveFolderOf(gameFolder, slotName));
    } catch (const Exception&) {
        return std::nullopt;
    }
}

TBoxPreview PreviewOf(const std::string& slotName, const std::vector<TOfficerNameChange>& changes) {
    TBoxPreview preview;
    preview.Informative = slotName + ": 武将 " + std::to_string(changes.size()) + " 人の名前を書き換えます.";
    preview.Rows = changes;
    return preview;
}

}  // namespace

void RunUndoableRewrite(const std::string& gameFolder, const std::string& slotName) {
    const std::optional<std::vector<TOfficerNameChange>> changes = PlannedChanges(gameFolder, slotName);
    if (changes && changes->empty()) {
        ShowInformationBox(NothingToRewriteText(slotName));  // OK only: there is nothing to ask
        return;
    }
    if (AskConfirmationWithPreview(kExecuteQuestion, changes ? PreviewOf(slotName, *changes) : TBoxPreview{}) != mrYes)
        return;
    // The save may have changed while the box was open: it is planned again.
    const TRewriteOutcome outcome = RewriteWithBackup(gameFolder, slotName);
    if (outcome.NothingToRewrite) {
        ShowInformationBox(NothingToRewriteText(slotName));
        return;
    }
    // An error before the save changed has no way back to offer.
    if (outcome.Error && !outcome.ChangedSave) RaiseKeptError(*outcome.Error);
    // A rewrite that stopped part-way shows its error with the way back.
    const std::string text = outcome.Error ? ErrorBoxText(outcome.Error->Message()) : std::string(kRewriteDoneText);
    if (ShowUndoableInformationBox(text) == mrUndo) UndoOrRestoreAnyway(gameFolder, slotName, outcome.Backup->Path);
}

void UndoRewrite(const std::string& gameFolder, const std::string& slotName, const std::string& backupName) {
    ShowInformationBox(
        RestoredText(RestoreSaveBackup(gameFolder, slotName, backupName, TRestoreGuard::OnlyOverRewrittenSave)));
}

void UndoOrRestoreAnyway(const std::string& gameFolder, const std::string& slotName, const std::string& backupName) {
    try {
        UndoRewrite(gameFolder, slotName, backupName);
    } catch (const ESaveChanged&) {
        if (AskConfirmation(kRestoreAnywayQuestion) != mrYes) return;
        ShowInformationBox(
            RestoredText(RestoreSaveBackup(gameFolder, slotName, backupName, TRestoreGuard::EvenOverNewerProgress)));
    }
}

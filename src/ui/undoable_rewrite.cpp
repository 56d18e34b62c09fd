// The previewed, backed-up and undoable rewrite, over the frame's boxes.
#include "ui/undoable_rewrite.h"

#include "common/game_paths.h"
#include "common/path_separator.h"
#include "process/process.h"
#include "process/save_backup.h"

TBoxPreview RewritePreview(const std::string& gameFolder, const std::string& slotName) {
    std::vector<TOfficerNameChange> changes;
    try {
        changes = PlanOfficerNameRewrite(gameFolder + kScenarioFolderName + kPathSeparator,
                                         gameFolder + slotName + kPathSeparator);
    } catch (const Exception&) {
        return {};
    }
    TBoxPreview preview;
    preview.Informative = changes.empty()
                              ? slotName + ": 書き換える名前はありません."
                              : slotName + ": 武将 " + std::to_string(changes.size()) + " 人の名前を書き換えます.";
    for (const TOfficerNameChange& change : changes) preview.Details += OfficerNameChangeLine(change) + '\n';
    return preview;
}

void RunUndoableRewrite(const std::string& gameFolder, const std::string& slotName) {
    if (AskConfirmationWithPreview(kExecuteQuestion, RewritePreview(gameFolder, slotName)) != mrYes) return;
    const TSaveBackup backup = RewriteOfficerNamesWithBackup(gameFolder, slotName);
    if (ShowUndoableInformationBox(kRewriteDoneText) != mrUndo) return;
    RestoreSaveBackup(gameFolder, slotName, backup.Path, false);
    ShowInformationBox(kRestoredText);
}

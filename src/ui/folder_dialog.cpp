// TFolderDialog: the front end's chooser opened on the last folder, and the
// refusals every front end shares.
#include "ui/folder_dialog.h"

#include <optional>

#include "common/errors.h"
#include "common/paths.h"

TFolderDialog::TFolderDialog(IFolderChooser& chooser) : Directory(), Title("フォルダーの選択"), chooser_(chooser) {}

bool TFolderDialog::Execute() {
    const std::optional<std::string> chosen = chooser_.ChooseFolder(Title, Directory);
    if (!chosen) return false;
    // A folder the system cannot reach by this path (one as long as the
    // system's path buffer or longer is too long; the ANSI code page cannot
    // name one with the stand-in) would be stored as a path to nowhere and
    // fail far from here: refused now, nothing changed.
    if (chosen->size() >= kPathBufferBytes) throw Exception(kFolderPathTooLong);
    if (chosen->find(kUnnamableCharacter) != std::string::npos) throw Exception(kFolderNameNotUsable);
    Directory = *chosen;
    return true;
}

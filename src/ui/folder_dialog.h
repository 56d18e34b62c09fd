// TFolderDialog, the main window's folder chooser
// component. It keeps the last chosen folder, opens the front end's chooser
// on it and refuses a path the system cannot use.
#pragma once

#include <string>

#include "ui/folder_chooser.h"

class TFolderDialog {
public:
    explicit TFolderDialog(IFolderChooser& chooser);
    TFolderDialog(const TFolderDialog&) = delete;
    TFolderDialog& operator=(const TFolderDialog&) = delete;

    std::string Directory;
    std::string Title;

    // Shows the chooser on Directory. true when the user confirmed a folder;
    // Directory then holds its path. false on Cancel or when the chooser
    // could not be shown. Raises Exception(kFolderPathTooLong) or
    // Exception(kFolderNameNotUsable), Directory unchanged, when the chosen
    // folder's path is too long for the system or cannot be named in the
    // ANSI code page.
    bool Execute();

private:
    IFolderChooser& chooser_;
};

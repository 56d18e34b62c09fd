// The Linux program's folder chooser: Qt's own folder dialog, hidden folders
// shown, with the Wine prefixes' drive_c in its side bar.
#pragma once

#include "ui/folder_chooser.h"

class QWidget;

class TQtFolderChooser final : public IFolderChooser {
public:
    // owner: the main window, the dialog's parent while it is shown.
    explicit TQtFolderChooser(QWidget* owner = nullptr) : owner_(owner) {}

    // Opens in the home folder, or on start when that is an existing folder.
    std::optional<std::string> ChooseFolder(const std::string& title, const std::string& start) override;

private:
    QWidget* owner_;
};

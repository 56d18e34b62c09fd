// The folder chooser's shell operations over Qt's own folder dialog, so that
// TFolderDialog runs unchanged on Linux.
#pragma once

#include <QString>

#include "ui/folder_shell.h"

class QFileDialog;

class TQtFolderShell final : public IFolderShell {
public:
    IShellAllocator* SHGetMalloc() override;
    std::int32_t SHGetSpecialFolderLocation(TWindowHandle owner, std::int32_t folder, TItemIdList& list) override;
    // A QFileDialog for folders, hidden ones shown, with the Wine prefixes'
    // drive_c in its side bar. The owner is the main window (a QWidget*).
    TItemIdList SHBrowseForFolderA(TBrowseInfo& info) override;
    bool SHGetPathFromIDListA(TItemIdList list, char* path) override;
    std::intptr_t SendMessageA(TWindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) override;
    void PostMessageA(TWindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                      std::intptr_t lParam) override;
    std::uint32_t GetFileAttributesA(const char* path) override;
    // The dialog's controls are not reached by identifier: always nullptr.
    TWindowHandle GetDlgItem(TWindowHandle dialog, std::int32_t id) override;

private:
    TItemIdList NewItemList(const QString& path);

    QFileDialog* open_ = nullptr;  // the dialog while it is shown
};

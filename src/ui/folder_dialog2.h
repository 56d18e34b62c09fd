// Unit FolderDialog2: TFolderDialog, the folder chooser over the shell's
// folder browser. Built against IFolderShell so it can be tested with a fake.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "ui/folder_shell.h"

enum TOption : std::uint8_t {
    ofBrowseForComputer,
    ofBrowseForPrinter,
    ofDontGoBelowDomain,
    ofReturnFSAncestors,
    ofReturnOnlyFSDirs,
    ofStatusText,
};

class TFolderDialog {
public:
    // ownerWindow gives the owner's window handle, creating the window on demand.
    TFolderDialog(IFolderShell& shell, std::function<TWindowHandle()> ownerWindow);

    std::string Directory;
    std::string Title;
    bool RootIsDesktop;
    TOptions Options;

    bool Execute();

private:
    IFolderShell& shell_;
    std::function<TWindowHandle()> ownerWindow_;
};

// Unit FolderDialog2: TFolderDialog, the folder chooser over the shell's
// folder browser. Built against IFolderShell so it can be tested with a fake.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "ui/folder_shell.h"

// The errors raised when the confirmed folder's path cannot be used: a
// character of its name that the ANSI code page lacks, or a path of
// kMaxPath bytes or more in that code page.
inline constexpr char kFolderNameNotUsable[] = "フォルダ名に使用できない文字が含まれています";
inline constexpr char kFolderPathTooLong[] = "フォルダのパスが長すぎます";

// The browser's flags word for a set of options.
std::uint32_t BrowseFlags(TOptions options);

class TFolderDialog {
public:
    // ownerWindow gives the owner's window handle, creating the window on demand.
    TFolderDialog(IFolderShell& shell, std::function<TWindowHandle()> ownerWindow);
    TFolderDialog(const TFolderDialog&) = delete;
    TFolderDialog& operator=(const TFolderDialog&) = delete;

    std::string Directory;
    std::string Title;
    bool RootIsDesktop = false;
    TOptions Options;

    // Shows the browser modally. true when the user pressed OK; Directory then
    // holds the chosen folder's path when it has one. false on Cancel or when
    // the browser could not be set up (the allocator included). Raises
    // Exception(kFolderPathTooLong) or Exception(kFolderNameNotUsable),
    // Directory unchanged, when the chosen folder's path is too long for the
    // system or cannot be named in the ANSI code page.
    bool Execute();

    // The browser's callback; data is the TFolderDialog. Always returns 0;
    // whatever it raises goes to ReportError.
    static std::int32_t BrowseCallback(TWindowHandle dialog, std::uint32_t message, std::intptr_t param,
                                       std::intptr_t data) noexcept;

private:
    // The callback's work: the initial folder, the status line, OK and the focus.
    void OnBrowserMessage(TWindowHandle dialog, std::uint32_t message, std::intptr_t param);
    IFolderShell& shell_;
    std::function<TWindowHandle()> ownerWindow_;
};

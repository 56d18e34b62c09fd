// TShellFolderBrowser: the Win32 program's folder chooser over the shell's
// folder browser. Built against IFolderShell so it can be tested with a fake.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "ui/folder_chooser.h"
#include "ui/win32/folder_shell.h"

// The browser's flags word for a set of options.
std::uint32_t BrowseFlags(TOptions options);

class TShellFolderBrowser final : public IFolderChooser {
public:
    // ownerWindow gives the owner's window handle, creating the window on demand.
    TShellFolderBrowser(IFolderShell& shell, std::function<TWindowHandle()> ownerWindow);
    TShellFolderBrowser(const TShellFolderBrowser&) = delete;
    TShellFolderBrowser& operator=(const TShellFolderBrowser&) = delete;

    std::string Directory;
    std::string Title;
    bool RootIsDesktop = false;
    TOptions Options;

    // Execute with this title, opened on start; Directory after OK.
    std::optional<std::string> ChooseFolder(const std::string& title, const std::string& start) override;

    // Shows the browser modally. true when the user pressed OK; Directory then
    // holds the chosen folder's path when it has one, as the shell gives it
    // (TFolderDialog refuses the ones the system cannot use). false on Cancel
    // or when the browser could not be set up (the allocator included).
    bool Execute();

    // The browser's callback; data is the TShellFolderBrowser. Always returns
    // 0; whatever it raises goes to ReportError.
    static std::int32_t BrowseCallback(TWindowHandle dialog, std::uint32_t message, std::intptr_t param,
                                       std::intptr_t data) noexcept;

private:
    // The callback's work: the initial folder, the status line, OK and the focus.
    void OnBrowserMessage(TWindowHandle dialog, std::uint32_t message, std::intptr_t param);
    IFolderShell& shell_;
    std::function<TWindowHandle()> ownerWindow_;
};

// The main window's chooser FolderDialog1 as its window description sets it
// up: My Computer as the root, and the options [ofBrowseForComputer,
// ofReturnOnlyFSDirs, ofStatusText].
void SetUpGameFolderBrowser(TShellFolderBrowser& browser);

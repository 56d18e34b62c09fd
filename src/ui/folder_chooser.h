// The folder chooser as the main window sees it: choose a folder, starting
// here. Each front end shows its own; the refusals of a chosen path are shared.
#pragma once

#include <optional>
#include <string>

// The errors raised when the confirmed folder's path cannot be used: a
// character of its name that the ANSI code page lacks, or a path of
// kPathBufferBytes bytes or more in that code page.
inline constexpr char kFolderNameNotUsable[] = "フォルダ名に使用できない文字が含まれています";
inline constexpr char kFolderPathTooLong[] = "フォルダのパスが長すぎます";

class IFolderChooser {
public:
    virtual ~IFolderChooser() = default;
    // Shows the chooser modally with this title, opened on start when start
    // is an existing folder. The confirmed folder's path in the system code
    // page, as the system gives it: a character the ANSI code page lacks as
    // kUnnamableCharacter, a path too long for the system at kPathBufferBytes
    // bytes or more. start itself when the confirmed item has no file-system
    // path. Nothing on Cancel or when the chooser could not be shown.
    virtual std::optional<std::string> ChooseFolder(const std::string& title, const std::string& start) = 0;
};

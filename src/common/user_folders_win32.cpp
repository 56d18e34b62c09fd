// Windows: the user's data under %LOCALAPPDATA%, or the shell's local
// application data folder where the variable is not set (Windows XP has none),
// an absolute path only; the settings beside the executable.
#include <windows.h>
#include <shfolder.h>

#include "common/executable_path.h"
#include "common/paths.h"
#include "common/shell32_function.h"
#include "common/wide_text.h"

const char kUserDataVariable[] = "LOCALAPPDATA";

std::string UserDataFolder() {
    wchar_t buffer[MAX_PATH];
    DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", buffer, MAX_PATH);
    // Flags 0 (SHGFP_TYPE_CURRENT): the folder where it is now.
    if (length == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND) {
        const auto folderPath = Shell32Function<decltype(&::SHGetFolderPathW)>("SHGetFolderPathW");
        if (folderPath && folderPath(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, buffer) == S_OK)
            length = static_cast<DWORD>(wcslen(buffer));
    }
    if (length == 0 || length >= MAX_PATH) return "";
    std::string folder;
    // Not best-fitted: "café" must never become another folder "cafe".
    if (!ExactSystemText(std::wstring_view(buffer, length), folder)) return "";
    // A relative value would put the data under the current folder.
    if (PathRootLength(GameFolderPath(folder)) == 0) return "";
    return GameFolderPath(folder) + "Kasumiro\\";
}

std::string UserSettingsFolder() { return FolderOfPath(ExecutablePath()); }

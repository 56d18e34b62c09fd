// Windows: the user's data under %LOCALAPPDATA%, an absolute path only.
#include <windows.h>

#include "common/durable_file.h"
#include "common/game_paths.h"
#include "common/user_data_folder.h"
#include "common/wide_text.h"

const char kUserDataVariable[] = "LOCALAPPDATA";

std::string UserDataFolder() {
    wchar_t buffer[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return "";
    std::string folder;
    // Not best-fitted: "café" must never become another folder "cafe".
    if (!ExactSystemText(std::wstring_view(buffer, length), folder)) return "";
    // A relative value would put the data under the current folder.
    if (PathRootLength(GameFolderPath(folder)) == 0) return "";
    return GameFolderPath(folder) + "Kasumiro\\";
}

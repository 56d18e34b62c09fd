// The executable's path on Windows, as GetModuleFileNameA reports it (at most 260 bytes).
#include "common/executable_path.h"

#include <windows.h>

std::string ExecutablePath() {
    char path[261] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, length < sizeof path ? length : sizeof path - 1);
}

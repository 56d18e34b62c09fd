// Where the settings file lies, derived from the executable's path.
#include "common/paths.h"
#include "settings/ini_file.h"

std::string SettingsPathFromModulePath(const std::string& modulePath) {
    // The extension is not examined: exactly four bytes are cut.
    const std::size_t keep = modulePath.size() >= 4 ? modulePath.size() - 4 : 0;
    return modulePath.substr(0, keep) + ".ini";
}

std::string SettingsPathFromExecutablePath(const std::string& executablePath) {
    const std::size_t nameStart = FolderOfPath(executablePath).size();
    const std::size_t dot = executablePath.rfind('.');
    // A dot that starts the file name (a hidden file) is no extension.
    if (dot != std::string::npos && dot > nameStart) return executablePath.substr(0, dot) + ".ini";
    return executablePath + ".ini";
}

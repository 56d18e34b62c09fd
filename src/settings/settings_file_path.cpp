// Where the settings file lies, derived from the executable's path.
#include "settings/ini_file.h"

std::string SettingsPathFromModulePath(const std::string& modulePath) {
    // The extension is not examined: exactly four bytes are cut.
    const std::size_t keep = modulePath.size() >= 4 ? modulePath.size() - 4 : 0;
    return modulePath.substr(0, keep) + ".ini";
}

std::string SettingsPathFromExecutablePath(const std::string& executablePath) {
    const std::size_t slash = executablePath.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = executablePath.rfind('.');
    // A dot that starts the file name (a hidden file) is no extension.
    if (dot != std::string::npos && dot > nameStart) return executablePath.substr(0, dot) + ".ini";
    return executablePath + ".ini";
}

std::string SettingsPathInConfigFolder(const char* xdgConfigHome, const char* home, const std::string& executablePath) {
    // A relative XDG_CONFIG_HOME is invalid and ignored, as an empty one is.
    std::string folder = xdgConfigHome && xdgConfigHome[0] == '/' ? xdgConfigHome
                                                                  : std::string(home ? home : "") + "/.config";
    while (!folder.empty() && folder.back() == '/') folder.pop_back();
    const std::size_t slash = executablePath.rfind('/');
    const std::string name = slash == std::string::npos ? executablePath : executablePath.substr(slash + 1);
    return folder + "/kasumiro/" + SettingsPathFromExecutablePath(name);
}

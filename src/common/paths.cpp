// The path rules that need no file system: the one walk over a path's
// characters, and the roots, folders and names found with it.
#include "common/paths.h"

#include "common/system_text.h"

namespace {

// The end of the path's first count names after from (each followed by a separator).
std::size_t AfterNames(const std::string& path, std::size_t from, std::size_t count) {
    const std::vector<std::size_t> separators = PathSeparators(path, from);
    return separators.size() >= count ? separators[count - 1] + 1 : 0;
}

// The offset where the path's last name starts.
std::size_t LastNameStart(std::string_view path) {
    const std::vector<std::size_t> separators = PathSeparators(path);
    return separators.empty() ? 0 : separators.back() + 1;
}

}  // namespace

bool IsPathSeparator(char c) { return c == kPathSeparator || c == '/'; }

std::vector<std::size_t> PathSeparators(std::string_view path, std::size_t from) {
    std::vector<std::size_t> separators;
    for (std::size_t pos = 0; pos < path.size(); pos += SystemCharLength(path, pos)) {
        if (pos >= from && IsPathSeparator(path[pos])) separators.push_back(pos);
    }
    return separators;
}

bool EndsWithSeparator(std::string_view path) { return !path.empty() && LastNameStart(path) == path.size(); }

std::string WithoutTrailingSeparators(std::string_view path) {
    std::size_t end = path.size();
    const std::vector<std::size_t> separators = PathSeparators(path);
    for (auto it = separators.rbegin(); it != separators.rend() && *it + 1 == end; ++it) end = *it;
    return std::string(path.substr(0, end));
}

std::size_t PathRootLength(const std::string& path) {
    if (kPathSeparator == '/') return !path.empty() && path[0] == '/' ? 1 : 0;
    const bool drive = path.size() >= 3 && path[1] == ':' && IsPathSeparator(path[2]);
    if (path.rfind("\\\\?\\", 0) == 0) {
        // "\\?\C:\" or "\\?\UNC\server\share\".
        if (path.rfind("\\\\?\\UNC\\", 0) == 0) return AfterNames(path, 8, 2);
        return path.size() >= 7 && path[5] == ':' ? 7 : 0;
    }
    if (path.size() > 2 && IsPathSeparator(path[0]) && IsPathSeparator(path[1])) return AfterNames(path, 2, 2);
    return drive ? 3 : 0;
}

std::string FolderOfPath(const std::string& path) { return path.substr(0, LastNameStart(path)); }

std::string FileNameOfPath(const std::string& path) { return path.substr(LastNameStart(path)); }

std::string GameFolderPath(const std::string& folder) {
    return EndsWithSeparator(folder) ? folder : folder + kPathSeparator;
}

std::string XdgUserFolder(const char* setting, const char* home, const char* underHome) {
    // Only an absolute setting counts; a relative or empty one is ignored.
    if (setting != nullptr && setting[0] == '/') return WithoutTrailingSeparators(setting) + "/kasumiro/";
    if (home == nullptr || home[0] != '/') return "";
    return WithoutTrailingSeparators(home) + '/' + underHome + "/kasumiro/";
}

// The one walk over a path's characters that finds its separators.
#include "common/path_split.h"

#include "common/path_separator.h"
#include "common/system_text.h"

bool IsPathSeparator(char c) { return c == kPathSeparator || c == '/'; }

std::vector<std::size_t> PathSeparators(std::string_view path, std::size_t from) {
    std::vector<std::size_t> separators;
    for (std::size_t pos = 0; pos < path.size(); pos += SystemCharLength(path, pos)) {
        if (pos >= from && IsPathSeparator(path[pos])) separators.push_back(pos);
    }
    return separators;
}

std::string WithoutTrailingSeparators(std::string_view path) {
    std::size_t end = path.size();
    const std::vector<std::size_t> separators = PathSeparators(path);
    for (auto it = separators.rbegin(); it != separators.rend() && *it + 1 == end; ++it) end = *it;
    return std::string(path.substr(0, end));
}

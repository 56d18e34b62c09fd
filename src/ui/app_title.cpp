// The pure application title rule; the platform files feed it.
#include "ui/app_title.h"

#include "common/system_text.h"

std::string ApplicationTitleFromPath(std::string_view path, char separator,
                                     const std::function<std::string(std::string)>& lowerCase) {
    std::size_t nameStart = 0;
    for (std::size_t pos = 0; pos < path.size(); pos += SystemCharLength(path, pos)) {
        if (path[pos] == separator) nameStart = pos + 1;
    }
    std::string_view name = path.substr(nameStart);
    for (std::size_t pos = 0; pos < name.size(); pos += SystemCharLength(name, pos)) {
        if (name[pos] == '.') {
            name = name.substr(0, pos);
            break;
        }
    }
    if (name.size() <= 1) return std::string(name);
    return std::string(name.substr(0, 1)) + lowerCase(std::string(name.substr(1)));
}

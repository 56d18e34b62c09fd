// The pure application title rule; the platform files feed it.
#include "ui/app_title.h"

#include "common/paths.h"
#include "common/system_text.h"

std::string ApplicationTitleFromPath(const std::string& path,
                                     const std::function<std::string(std::string)>& lowerCase) {
    const std::string fileName = FileNameOfPath(path);
    std::string_view name = fileName;
    for (std::size_t pos = 0; pos < name.size(); pos += SystemCharLength(name, pos)) {
        if (name[pos] == '.') {
            name = name.substr(0, pos);
            break;
        }
    }
    if (name.size() <= 1) return std::string(name);
    return std::string(name.substr(0, 1)) + lowerCase(std::string(name.substr(1)));
}

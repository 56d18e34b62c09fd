// The application title on Linux: /proc/self/exe, lower-cased in ASCII only.
#include "common/app_title.h"

#include "common/executable_path.h"

const std::string& ApplicationTitle() {
    static const std::string title =
        ApplicationTitleFromPath(ExecutablePath(), '/', [](std::string text) {
            for (char& c : text) {
                if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            }
            return text;
        });
    return title;
}

// The application title on Linux: /proc/self/exe, lower-cased in ASCII only;
// the boxes' title starts in upper case.
#include "ui/app_title.h"

#include "common/ascii_text.h"
#include "common/executable_path.h"

const std::string& ApplicationTitle() {
    static const std::string title = ApplicationTitleFromPath(ExecutablePath(), [](std::string text) {
        for (char& c : text) c = AsciiLower(c);
        return text;
    });
    return title;
}

const std::string& BoxApplicationTitle() {
    static const std::string title = [] {
        std::string text = ApplicationTitle();
        if (!text.empty()) text[0] = AsciiUpper(text[0]);
        return text;
    }();
    return title;
}

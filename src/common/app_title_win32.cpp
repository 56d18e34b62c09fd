// The application title on Windows: GetModuleFileNameA, OemToCharA, CharLowerA.
#include "common/app_title.h"

#include <windows.h>

const std::string& ApplicationTitle() {
    static const std::string title = [] {
        char path[256] = {};
        GetModuleFileNameA(nullptr, path, sizeof path);
        path[sizeof path - 1] = '\0';
        OemToCharA(path, path);
        return ApplicationTitleFromPath(path, '\\', [](std::string text) {
            CharLowerA(text.data());
            return text;
        });
    }();
    return title;
}

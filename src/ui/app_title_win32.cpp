// The application title on Windows: the module path, OemToCharA, CharLowerA.
#include "ui/app_title.h"

#include <windows.h>

#include "common/executable_path.h"

namespace {
// The title reads the module path into a 256-byte buffer: at most 255 bytes of it count.
constexpr std::size_t kTitlePathLength = 255;
}  // namespace

const std::string& ApplicationTitle() {
    static const std::string title = [] {
        std::string path = ExecutablePath();
        if (path.size() > kTitlePathLength) path.resize(kTitlePathLength);
        OemToCharA(path.data(), path.data());
        return ApplicationTitleFromPath(path, [](std::string text) {
            CharLowerA(text.data());
            return text;
        });
    }();
    return title;
}

const std::string& BoxApplicationTitle() { return ApplicationTitle(); }

// The application title: the executable's file name without extension, with
// all but its first byte in lower case (KASUMIRO.EXE gives Kasumiro).
#pragma once

#include <functional>
#include <string>

// The rule itself: keep what follows the last separator, cut at the first
// ".", lower-case from the second byte on. Both searches go character by
// character, so a trail byte is never taken for a separator or a dot.
std::string ApplicationTitleFromPath(const std::string& path, const std::function<std::string(std::string)>& lowerCase);

// The running program's title, computed once from its own path.
const std::string& ApplicationTitle();

// The title the boxes carry. On Windows the application title; on Linux,
// where program files are named in lower case (kasumiro), the application
// title with its first letter in upper case, as Kasumiro.exe gives it on
// Windows and as the main window is captioned.
const std::string& BoxApplicationTitle();

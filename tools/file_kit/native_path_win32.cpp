// Windows: the library would read a narrow path in its own code page, not the
// ANSI one the program's paths are in, so it gets the path as UTF-16.
#include "file_kit/native_path.h"

#include "common/wide_text.h"

std::filesystem::path NativePath(const std::string& path) { return std::filesystem::path(SystemText(path)); }

// Linux: paths are bytes, taken as they are.
#include "file_kit/native_path.h"

std::filesystem::path NativePath(const std::string& path) { return std::filesystem::path(path); }

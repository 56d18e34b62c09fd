// Linux: paths are bytes, taken as they are.
#include "support/native_path.h"

std::filesystem::path NativePath(const std::string& path) { return std::filesystem::path(path); }

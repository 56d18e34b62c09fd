// A byte-string path as the file system library takes it: in the system's
// code page (ANSI on Windows), whatever the C++ library's own conversion.
#pragma once

#include <filesystem>
#include <string>

std::filesystem::path NativePath(const std::string& path);

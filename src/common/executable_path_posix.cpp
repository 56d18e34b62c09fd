// The executable's path on Linux, from /proc/self/exe.
#include "common/executable_path.h"

#include <filesystem>
#include <system_error>

std::string ExecutablePath() {
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

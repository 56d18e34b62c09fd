// Linux test helpers: open files from the links in /proc/self/fd, and the
// read-only refusal, which the officer file makes itself here.
#include <filesystem>

#include "support/officer_files.h"

namespace fs = std::filesystem;

bool HeldOpenByThisProcess(const std::string& path) {
    std::error_code error;
    const fs::path target = fs::canonical(path, error);
    if (error) return false;
    for (const auto& entry : fs::directory_iterator("/proc/self/fd", error)) {
        std::error_code linkError;
        if (fs::read_symlink(entry.path(), linkError) == target) return true;
    }
    return false;
}

bool ReadOnlyFilesAreRefusedHere(const std::string&) { return true; }

std::size_t OpenDescriptorCount() {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator("/proc/self/fd")) ++count;
    return count;
}

// Temporary folders and byte-exact file helpers for tests.
#include "file_kit/temp_dir.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "common/paths.h"
#include "file_kit/native_path.h"

namespace fs = std::filesystem;

TTempDir::TTempDir() : TTempDir(fs::temp_directory_path().string()) {}

TTempDir::TTempDir(const std::string& parent) {
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = parent;
        if (!candidate.empty() && candidate.back() != kPathSeparator && candidate.back() != '/')
            candidate += kPathSeparator;
        candidate += "kasumiro-test-" + std::to_string(random()) + "-" + std::to_string(counter++);
        std::error_code error;
        if (fs::create_directory(NativePath(candidate), error)) {
            path_ = candidate + kPathSeparator;
            return;
        }
    }
    throw std::runtime_error("cannot make a temporary folder in " + parent);
}

TTempDir::~TTempDir() { RemoveFolder(path_); }

void RemoveFolder(const std::string& path) {
    std::error_code error;
    // Read-only files and folders left by a test must not stop the clean-up.
    for (auto it = fs::recursive_directory_iterator(NativePath(path), error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
    }
    fs::remove_all(NativePath(path), error);
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(NativePath(path), std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("cannot write " + path);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::optional<std::string> TryReadFileBytes(const std::string& path) {
    std::ifstream in(NativePath(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>{});
    if (in.bad()) return std::nullopt;
    return bytes;
}

std::string ReadFileBytes(const std::string& path) {
    std::optional<std::string> bytes = TryReadFileBytes(path);
    if (!bytes) throw std::runtime_error("cannot read " + path);
    return std::move(*bytes);
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return fs::exists(NativePath(path), error);
}

void MakeFolder(const std::string& path) { fs::create_directories(NativePath(path)); }

void SetReadOnly(const std::string& path, bool readOnly) {
    const auto write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(NativePath(path), write, readOnly ? fs::perm_options::remove : fs::perm_options::add);
}

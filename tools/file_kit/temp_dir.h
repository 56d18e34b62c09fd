// A folder of its own for one test, removed with everything in it afterwards,
// and small helpers to make and read files byte for byte.
#pragma once

#include <optional>
#include <string>

class TTempDir {
public:
    // A new folder in the system's temporary folder.
    TTempDir();
    // A new folder inside `parent` (a folder path, with or without the separator).
    explicit TTempDir(const std::string& parent);
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    // The folder's path, ending in the system's separator.
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

void WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);
// The file's bytes; nothing when it cannot be read.
std::optional<std::string> TryReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);
void MakeFolder(const std::string& path);
// Removes the folder and everything in it, read-only files included; quietly.
void RemoveFolder(const std::string& path);
// Clears or sets the file's read-only state (the attribute on Windows, the
// write permission bits on Linux).
void SetReadOnly(const std::string& path, bool readOnly);

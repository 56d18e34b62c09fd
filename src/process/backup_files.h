// The file operations of save backups and restores, one set per platform:
// where backups live, bounded reads of regular files, durable replacement,
// folder listing and the local time.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The folder that holds every backup, ending in a separator: on Linux
// ${XDG_DATA_HOME:-~/.local/share}/kasumiro/backups/, on Windows
// %LOCALAPPDATA%\Kasumiro\backups\. Empty when the system names no such place.
std::string BackupRootFolder();

// The absolute form of a folder path, ending in a separator. Raises
// EInOutError when the folder cannot be resolved.
std::string AbsoluteFolderPath(const std::string& folder);

// The bytes of a regular file of at most maxSize bytes. Links are followed;
// folders, devices, pipes and larger files are refused, and a pipe never
// blocks the read. Raises EInOutError with a Windows error code.
std::string ReadRegularFile(const std::string& path, std::size_t maxSize);

// Creates the folder and the missing folders above it (only for the user on
// Linux). Raises EInOutError.
void MakeFolders(const std::string& folder);

// Puts bytes at path so that a crash leaves either the old file or the new
// one: they are written to the new file temporaryPath (anything already there
// is removed first, never followed), flushed to the disk, and renamed over
// path. The temporary file is removed on failure. Raises EInOutError.
void ReplaceFileDurably(const std::string& path, const std::string& temporaryPath, const std::string& bytes);

// The names of the entries in a folder; none when it cannot be read.
std::vector<std::string> FolderEntries(const std::string& folder);

bool PathExists(const std::string& path);
void RemoveFileQuietly(const std::string& path);

struct TLocalTime {
    int Year, Month, Day, Hour, Minute, Second;
};
TLocalTime LocalTimeNow();

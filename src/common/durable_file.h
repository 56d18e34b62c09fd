// Files that must survive a crash, and folders made for them: the one module
// that the settings file, the backups and the restore write through. The
// logic is written once (durable_file.cpp) over a few calls per platform
// (durable_file_posix.cpp, durable_file_win32.cpp). Every failure raises
// EInOutError with a Windows error code, its message naming the path.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Whom a file put in place by ReplaceFileDurably belongs to.
enum class TNewFileOwner {
    PrivateToUser,  // readable by the user alone (a backup of a save)
    AsReplacedFile  // the mode and owner of the file it replaces (where permitted), else the defaults
};

// The bytes of a regular file of at most maxSize bytes, read whole: a link at
// the file's own name is refused (code 5), links on the way are followed; folders, devices, pipes and larger files
// ("PATH: ファイルが大きすぎます") are refused, and a pipe never blocks the open. A read that ends before the size the
// file promised raises code 100 (short read), as does a file that grows past maxSize.
std::string ReadWholeFile(const std::string& path, std::size_t maxSize);

// Raises what ReadWholeFile raises for a file larger than maxSize, for a file
// read otherwise, without opening it; a file whose size cannot be told is
// left to that reader.
void RequireFileWithin(const std::string& path, std::size_t maxSize);

// Puts bytes at path so that a crash leaves either the old file or the new
// one: written whole to temporaryPath (anything already there is removed
// first, never followed), flushed to the disk, renamed over path, and the
// folder flushed. The temporary file is removed on failure.
void ReplaceFileDurably(const std::string& path, const std::string& temporaryPath, const std::string& bytes,
                        TNewFileOwner owner);

// Several files put in place as ReplaceFileDurably puts one, renamed in the
// order given once all are written and flushed, with one flush of their
// folder (they share it): a backup and its record cost one folder flush.
struct TFileReplacement {
    std::string Path;
    std::string TemporaryPath;
    const std::string* Bytes;
};
void ReplaceFilesDurably(const std::vector<TFileReplacement>& files, TNewFileOwner owner);

// Creates an empty file at path, only for the user; false when something is
// already there (the name is someone else's).
bool CreateFileExclusively(const std::string& path);

// Creates the folder and every missing folder above it, from the path's own
// root ("/", "C:\", "\\server\share\"), each only for the user on Linux.
void MakeFolders(const std::string& folder);

// The absolute form of an existing folder's path, ending in a separator.
std::string AbsoluteFolderPath(const std::string& folder);

// The names of the entries in a folder; none when it is missing. A folder
// that cannot be read raises EInOutError naming it.
std::vector<std::string> FolderEntries(const std::string& folder);

// What is at a path, links not followed.
enum class TPathKind { Missing, File, Folder, Other };
TPathKind PathKindOf(const std::string& path);
// The size of the regular file at a path, links not followed; -1 for
// anything else (missing, a link, a folder, a pipe, a device).
std::int64_t RegularFileSize(const std::string& path);
// Whether a folder is at a path, links followed.
bool IsFolder(const std::string& path);

// Seconds since the file was last written; -1 when that cannot be told.
std::int64_t SecondsSinceWritten(const std::string& path);

// Removes a file; a missing one is no failure.
void RemoveFile(const std::string& path);
void RemoveFileQuietly(const std::string& path);

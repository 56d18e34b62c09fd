// The Linux settings file's file work: reading only regular files without
// blocking, following links, the lock and the one temporary name per file,
// and the atomic replacement of the whole file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

// The largest settings file read; a larger one reads as missing and refuses writes.
inline constexpr std::size_t kMaxSettingsFileSize = std::size_t{1} << 20;

// The settings file's bytes, read whole as ReadWholeFile reads them once its
// links are followed: never blocking, a FIFO or device at the path is refused,
// not opened for good. None when nothing is there; a file that cannot be
// read (no regular file, larger than kMaxSettingsFileSize, a read cut short)
// raises EInOutError naming it.
std::optional<std::string> ReadSettingsFile(const std::string& path);

// The path with every symbolic link followed, also when the last one dangles:
// a write goes to where the link points, never in the link's place.
std::string FollowLinks(const std::string& path);

// A name beside path that ends in suffix and fits wherever path's own file
// name fits: the file name is shortened when the suffix would make it too long.
std::string SideFileName(const std::string& path, const std::string& suffix);

// Sets one key of the settings file at path (links followed) under its
// advisory lock (an flock on a lock file beside it, waited for 5 seconds at
// most), so read-modify-writes do not interleave: the file is read, changed
// and put in place whole through its one temporary name (ReplaceFileDurably),
// keeping its owner and permissions. A refusal raises an Exception naming the
// file and the reason: no regular file, no write permission, a lock another
// run kept, a failed read or write (the temporary file is removed then).
void AssignSettingsKey(const std::string& path, const std::string& section, const std::string& key,
                       const std::string& value);

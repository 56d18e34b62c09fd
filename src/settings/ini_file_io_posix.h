// The Linux settings file's file work: reading only regular files without
// blocking, following links, the lock and the one temporary name per file,
// and the atomic replacement of the whole file.
#pragma once

#include <cstddef>
#include <string>

#include "common/descriptor_posix.h"

enum class TReadStatus { Read, Missing, Refused };

// The largest settings file read; a larger one reads as missing and refuses writes.
inline constexpr std::size_t kMaxSettingsFileSize = std::size_t{1} << 20;

// A settings file read whole. Refused: it is no regular file (a folder, a
// FIFO, a device), is larger than kMaxSettingsFileSize or could not be read.
struct TFileRead {
    TReadStatus Status = TReadStatus::Missing;
    std::string Bytes;
};

// Links followed (FollowLinks), then read as ReadWholeFile reads: never
// blocks, a FIFO or device at the path is refused, not opened for good.
TFileRead ReadRegularFile(const std::string& path);

// The path with every symbolic link followed, also when the last one dangles:
// a write goes to where the link points, never in the link's place.
std::string FollowLinks(const std::string& path);

// A name beside path that ends in suffix and fits wherever path's own file
// name fits: the file name is shortened when the suffix would make it too long.
std::string SideFileName(const std::string& path, const std::string& suffix);

// Holds the settings file's advisory lock (an flock on a lock file beside it)
// from a successful Take to its end, so read-modify-writes do not interleave.
// Take waits at most 5 seconds for another holder, then gives up (false).
class TSettingsLock {
public:
    bool Take(const std::string& settingsPath);

private:
    TDescriptor fd_;
};

// Puts bytes in path's place through the file's one temporary name, durably
// (ReplaceFileDurably): the file being replaced keeps its owner and
// permissions. False when anything failed; the temporary file is removed then.
bool ReplaceFile(const std::string& path, const std::string& bytes);

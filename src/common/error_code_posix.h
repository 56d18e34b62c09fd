// Linux errno values turned into the Windows error codes that the officer
// file reports, so the user reads the same texts on both platforms.
#pragma once

#include <cstdint>
#include <string>

// The Windows code that means what errno value `error` means.
std::int32_t WindowsErrorCode(int error);

// The code for a failed open() of `path`. ENOENT is split the way Windows
// splits it: 2 when the file's folder exists, 3 when the folder is missing.
std::int32_t OpenErrorCode(int error, const std::string& path);

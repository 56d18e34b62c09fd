// The separator the system's paths use; folder paths such as BaseDir end in it.
// Also the stand-in the system puts for a character a path cannot hold: on
// Windows the ANSI functions give "?", which no file name may contain; on
// Linux a name may hold any byte but NUL, so no stand-in ever shows. And the
// bytes a path may take with its ending zero: MAX_PATH on Windows (260, in
// the system's code page), PATH_MAX on Linux (4096).
#pragma once

#include <cstddef>

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
inline constexpr char kUnnamableCharacter = '?';
inline constexpr std::size_t kPathBufferBytes = 260;
#else
inline constexpr char kPathSeparator = '/';
inline constexpr char kUnnamableCharacter = '\0';
inline constexpr std::size_t kPathBufferBytes = 4096;
#endif

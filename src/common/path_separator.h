// The separator the system's paths use; folder paths such as BaseDir end in it.
// Also the stand-in the system puts for a character a path cannot hold: on
// Windows the ANSI functions give "?", which no file name may contain; on
// Linux a name may hold any byte but NUL, so no stand-in ever shows.
#pragma once

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
inline constexpr char kUnnamableCharacter = '?';
#else
inline constexpr char kPathSeparator = '/';
inline constexpr char kUnnamableCharacter = '\0';
#endif

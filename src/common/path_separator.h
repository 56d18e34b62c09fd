// The separator the system's paths use; folder paths such as BaseDir end in it.
#pragma once

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The I/O error codes the program raises and names: Windows' own numbers, and
// the officer file's codes for a short read, a short write and a failed close.
#pragma once

#include <cstdint>

inline constexpr std::int32_t kErrorCloseFailed = 1;             // the officer file's close failed
inline constexpr std::int32_t kErrorFileNotFound = 2;            // ERROR_FILE_NOT_FOUND
inline constexpr std::int32_t kErrorPathNotFound = 3;            // ERROR_PATH_NOT_FOUND
inline constexpr std::int32_t kErrorTooManyOpenFiles = 4;        // ERROR_TOO_MANY_OPEN_FILES
inline constexpr std::int32_t kErrorAccessDenied = 5;            // ERROR_ACCESS_DENIED
inline constexpr std::int32_t kErrorInvalidHandle = 6;           // ERROR_INVALID_HANDLE
inline constexpr std::int32_t kErrorNotEnoughMemory = 8;         // ERROR_NOT_ENOUGH_MEMORY
inline constexpr std::int32_t kErrorGenFailure = 31;             // ERROR_GEN_FAILURE
inline constexpr std::int32_t kErrorFileExists = 80;             // ERROR_FILE_EXISTS
inline constexpr std::int32_t kErrorSharingViolation = 32;       // ERROR_SHARING_VIOLATION
inline constexpr std::int32_t kErrorLockViolation = 33;          // ERROR_LOCK_VIOLATION
inline constexpr std::int32_t kErrorHandleDiskFull = 39;         // ERROR_HANDLE_DISK_FULL
inline constexpr std::int32_t kErrorInvalidParameter = 87;       // ERROR_INVALID_PARAMETER
inline constexpr std::int32_t kErrorShortRead = 100;             // read past the end of the file
inline constexpr std::int32_t kErrorShortWrite = 101;            // the disk took less than a record
inline constexpr std::int32_t kErrorNotANumber = 106;            // an input value is not a number
inline constexpr std::int32_t kErrorDiskFull = 112;              // ERROR_DISK_FULL
inline constexpr std::int32_t kErrorNegativeSeek = 131;          // ERROR_NEGATIVE_SEEK
inline constexpr std::int32_t kErrorFilenameTooLong = 206;       // ERROR_FILENAME_EXCED_RANGE
inline constexpr std::int32_t kErrorIoDevice = 1117;             // ERROR_IO_DEVICE
inline constexpr std::int32_t kErrorCantResolveFilename = 1921;  // ERROR_CANT_RESOLVE_FILENAME

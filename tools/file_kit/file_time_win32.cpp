// File times for tests on Windows: the inverse of the program's conversion.
#include "file_kit/file_time.h"

#include <windows.h>

#include <stdexcept>

#include "common/win32_handle.h"

void SetFileLocalTime(const std::string& path, const TDateStamp& local) {
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(local.Year);
    time.wMonth = static_cast<WORD>(local.Month);
    time.wDay = static_cast<WORD>(local.Day);
    time.wHour = static_cast<WORD>(local.Hour);
    time.wMinute = static_cast<WORD>(local.Minute);
    time.wSecond = static_cast<WORD>(local.Second);
    FILETIME localTime;
    FILETIME utc;
    TFileHandle file(CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE || !SystemTimeToFileTime(&time, &localTime) ||
        !LocalFileTimeToFileTime(&localTime, &utc) || !SetFileTime(file.Get(), nullptr, nullptr, &utc)) {
        throw std::runtime_error("cannot set time of " + path);
    }
}

TScopedTimeZone::TScopedTimeZone(const char* /*zone*/) {}

TScopedTimeZone::~TScopedTimeZone() = default;

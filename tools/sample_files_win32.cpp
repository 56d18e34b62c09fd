// Windows: folders with CreateDirectoryA, write times with SetFileTime from a local time.
#include "sample_files.h"

#include <windows.h>

#include <stdexcept>

#include "common/win32_file_handle.h"

namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path) {
    throw std::runtime_error(what + " " + path + ": error " + std::to_string(GetLastError()));
}

}  // namespace

void MakeSampleFolder(const std::string& path) {
    if (CreateDirectoryA(path.c_str(), nullptr)) return;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return;
    Fail("cannot make folder", path);
}

void SetSampleWriteTime(const std::string& path, int year, int month, int day, int hour, int minute) {
    SYSTEMTIME local{};
    local.wYear = static_cast<WORD>(year);
    local.wMonth = static_cast<WORD>(month);
    local.wDay = static_cast<WORD>(day);
    local.wHour = static_cast<WORD>(hour);
    local.wMinute = static_cast<WORD>(minute);
    FILETIME localTime;
    FILETIME utcTime;
    // The same current-bias conversion the slot list applies when reading the time back.
    if (!SystemTimeToFileTime(&local, &localTime) || !LocalFileTimeToFileTime(&localTime, &utcTime)) {
        Fail("cannot convert the time for", path);
    }
    TFileHandle file(CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE) Fail("cannot open", path);
    if (!SetFileTime(file.Get(), nullptr, nullptr, &utcTime)) Fail("cannot set the time of", path);
}

// Whether this process holds a file open: an open that allows no sharing
// fails with a sharing violation while any handle to the file is open.
#include <windows.h>

#include "process/officer_test_files.h"

bool HeldOpenByThisProcess(const std::string& path) {
    const HANDLE handle =
        CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_SHARING_VIOLATION;
    CloseHandle(handle);
    return false;
}

// Windows test helpers: whether a file is held open, and whether the system
// enforces the read-only attribute.
#include <windows.h>

#include "common/win32_handle.h"
#include "file_kit/temp_dir.h"
#include "support/officer_files.h"

// An open that allows no sharing fails with a sharing violation while any
// handle to the file is open.
bool HeldOpenByThisProcess(const std::string& path) {
    const TFileHandle handle(
        CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return !handle.IsValid() && GetLastError() == ERROR_SHARING_VIOLATION;
}

bool ReadOnlyFilesAreRefusedHere(const std::string& folder) {
    const std::string probe = folder + "read-only-probe.bin";
    WriteFileBytes(probe, "x");
    SetReadOnly(probe, true);
    const bool refused = !TFileHandle(CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                                  FILE_ATTRIBUTE_NORMAL, nullptr))
                              .IsValid();
    SetReadOnly(probe, false);
    DeleteFileA(probe.c_str());
    return refused;
}

// The slot lock on Windows: the folder's lock file opened without sharing,
// waited for as every lock is.
#include <windows.h>

#include "backup/slot_lock.h"
#include "common/errors.h"
#include "common/lock_wait.h"
#include "common/wide_text.h"

TSlotLock::TSlotLock(const std::string& folder) {
    const std::string path = folder + "LOCK";
    const std::wstring widePath = SystemText(path);
    const bool taken = WaitForLock([&] {
        const HANDLE file = CreateFileW(widePath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            handle_ = reinterpret_cast<std::intptr_t>(file);
            return true;
        }
        // Only another holder is waited for; a folder named LOCK, or no
        // access, is refused at once for what it is.
        const DWORD error = GetLastError();
        if (error != ERROR_SHARING_VIOLATION) throw EInOutError(static_cast<std::int32_t>(error), path);
        return false;
    });
    if (!taken) RaiseSlotBusy(folder);
}

TSlotLock::~TSlotLock() { CloseHandle(reinterpret_cast<HANDLE>(handle_)); }

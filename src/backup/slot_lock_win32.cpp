// The slot lock on Windows: the folder's lock file opened without sharing,
// retried until 5 s.
#include <windows.h>

#include "backup/slot_lock.h"
#include "common/errors.h"
#include "common/wide_text.h"

namespace {

// How long a run waits for another one's lock, and how often it asks (ms).
constexpr DWORD kLockWait = 5000;
constexpr DWORD kLockRetry = 50;

}  // namespace

TSlotLock::TSlotLock(const std::string& folder) {
    const std::string path = folder + "LOCK";
    const std::wstring widePath = SystemText(path);
    const DWORD start = GetTickCount();
    for (;;) {
        const HANDLE file = CreateFileW(widePath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            handle_ = reinterpret_cast<std::intptr_t>(file);
            return;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED)
            throw EInOutError(static_cast<std::int32_t>(error), path);
        if (GetTickCount() - start >= kLockWait) {
            const std::string prefix = kSlotBusyText;
            throw Exception(prefix + folder, TTextSpan{prefix.size(), folder.size()});
        }
        Sleep(kLockRetry);
    }
}

TSlotLock::~TSlotLock() { CloseHandle(reinterpret_cast<HANDLE>(handle_)); }

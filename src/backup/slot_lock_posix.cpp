// The slot lock on Linux: the folder's lock file, taken as every lock file is.
#include "backup/slot_lock.h"
#include "common/lock_file_posix.h"

TSlotLock::TSlotLock(const std::string& folder) {
    TDescriptor fd = TakeLockFile(folder + "LOCK", 0600);
    if (!fd.IsOpen()) RaiseSlotBusy(folder);
    handle_ = fd.Release();
}

TSlotLock::~TSlotLock() { CloseDescriptor(static_cast<int>(handle_)); }

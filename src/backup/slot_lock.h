// One writer at a time per slot: a lock on the slot's backup folder, held by
// a rewrite with its backup and by a restore.
#pragma once

#include <cstdint>
#include <string>

inline constexpr char kSlotBusyText[] = "ほかの実行がこのセーブデータのバックアップを使っています: ";

// Takes the lock of a slot's backup folder (a file "LOCK" in it) for the
// life of the object, waiting at most 5 seconds for another holder
// (WaitForLock); then raises Exception with kSlotBusyText and the folder.
// Other failures, no access among them, raise EInOutError naming the lock file.
class TSlotLock {
public:
    explicit TSlotLock(const std::string& folder);
    ~TSlotLock();
    TSlotLock(const TSlotLock&) = delete;
    TSlotLock& operator=(const TSlotLock&) = delete;

private:
    std::intptr_t handle_ = -1;
};

// Raises Exception with kSlotBusyText and the folder.
[[noreturn]] void RaiseSlotBusy(const std::string& folder);

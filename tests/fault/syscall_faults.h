// System calls that fail on demand: the fault test executable is linked with
// the linker's --wrap for open, pread, pwrite, close, fsync and rename, so the
// core's POSIX file code runs unchanged while a test picks the call to fail.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

enum class TSyscall { Open, Pread, Pwrite, Close, Fsync, Rename };
inline constexpr std::size_t kSyscallKinds = 6;

// What the chosen call does instead of its work. Close still releases the
// descriptor before it reports the error, as Linux does. Short makes a
// pread or pwrite move half of what it was asked for, Tear only its first
// kTearBytes bytes, Nothing no byte at all. A record's write torn so stops
// inside the name: 11 of its 12 bytes reach the file, enough to hold the
// bytes where the new name differs from the old. Kill ends the process with
// SIGKILL before the call, as a crash or a power cut would.
enum class TFaultKind { Eio, Enospc, Eacces, Eintr, Short, Tear, Nothing, Kill };
inline constexpr std::size_t kTearBytes = 17;

struct TFault {
    TSyscall Call;
    int Nth;  // 1 for the first call of that kind after arming
    TFaultKind Kind;
};

std::string NameOf(TSyscall call);
std::string NameOf(TFaultKind kind);

// Counts every wrapped call while alive and applies each fault it was given
// once. Only one may be alive at a time.
class TFaultScope {
public:
    explicit TFaultScope(std::vector<TFault> faults = {});
    ~TFaultScope();
    TFaultScope(const TFaultScope&) = delete;
    TFaultScope& operator=(const TFaultScope&) = delete;

    int Calls(TSyscall call) const;
    // Whether every fault was applied.
    bool Fired() const;
};

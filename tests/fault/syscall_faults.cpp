// The --wrap side of the fault injection: each __wrap_ function counts its
// call and either fails it as armed or hands it to the real one.
#include "fault/syscall_faults.h"

#include <csignal>
#include <fcntl.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdarg>

// The linker gives these names to the wrapped and the real calls.
// NOLINTBEGIN(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp)
extern "C" {
int __real_open(const char* path, int flags, ...);
int __real___open_2(const char* path, int flags);  // NOLINT(readability-identifier-naming): the linker's name
ssize_t __real_pread(int fd, void* buffer, size_t count, off_t offset);
ssize_t __real_pwrite(int fd, const void* buffer, size_t count, off_t offset);
int __real_close(int fd);
int __real_fsync(int fd);
int __real_rename(const char* from, const char* to);
}
// NOLINTEND(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp)

namespace {

struct TState {
    bool Armed = false;
    std::vector<TFault> Faults;
    std::vector<bool> Fired;
    std::array<int, kSyscallKinds> Calls{};
};
TState state;

int ErrnoOf(TFaultKind kind) {
    switch (kind) {
    case TFaultKind::Eio: return EIO;
    case TFaultKind::Enospc: return ENOSPC;
    case TFaultKind::Eacces: return EACCES;
    case TFaultKind::Eintr: return EINTR;
    case TFaultKind::Short:
    case TFaultKind::Tear:
    case TFaultKind::Nothing:
    case TFaultKind::Kill: break;
    }
    return 0;
}

// Counts the call; the fault to apply to it, or nullptr to let it through.
const TFault* Intercept(TSyscall call) {
    if (!state.Armed) return nullptr;
    const int n = ++state.Calls[static_cast<std::size_t>(call)];
    for (std::size_t i = 0; i < state.Faults.size(); ++i) {
        if (state.Fired[i] || state.Faults[i].Call != call || state.Faults[i].Nth != n) continue;
        state.Fired[i] = true;
        if (state.Faults[i].Kind == TFaultKind::Kill) std::raise(SIGKILL);
        return &state.Faults[i];
    }
    return nullptr;
}

// How many of count bytes a transfer under the fault moves.
size_t TransferSize(const TFault* fault, size_t count) {
    if (!fault) return count;
    if (fault->Kind == TFaultKind::Short) return count / 2;
    return fault->Kind == TFaultKind::Tear ? std::min(count, kTearBytes) : 0;
}

bool Transfers(const TFault* fault) {
    return !fault || fault->Kind == TFaultKind::Short || fault->Kind == TFaultKind::Tear ||
           fault->Kind == TFaultKind::Nothing;
}

// A failed call: -1 with the fault's errno.
int Fail(const TFault& fault) {
    errno = ErrnoOf(fault.Kind);
    return -1;
}

}  // namespace

// NOLINTBEGIN(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp)
extern "C" {

int __wrap_open(const char* path, int flags, ...) {
    mode_t mode = 0;
    if ((flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE) {
        va_list args;
        va_start(args, flags);
        mode = static_cast<mode_t>(va_arg(args, unsigned));
        va_end(args);
    }
    if (const TFault* fault = Intercept(TSyscall::Open)) return Fail(*fault);
    return __real_open(path, flags, mode);
}

// What open() becomes under _FORTIFY_SOURCE (the Debian build's flags) when
// its flags are not known at compile time; it never creates a file.
int __wrap___open_2(const char* path, int flags) {  // NOLINT(readability-identifier-naming): the linker's name
    if (const TFault* fault = Intercept(TSyscall::Open)) return Fail(*fault);
    return __real___open_2(path, flags);
}

ssize_t __wrap_pread(int fd, void* buffer, size_t count, off_t offset) {
    const TFault* fault = Intercept(TSyscall::Pread);
    if (!Transfers(fault)) return Fail(*fault);
    return __real_pread(fd, buffer, TransferSize(fault, count), offset);
}

ssize_t __wrap_pwrite(int fd, const void* buffer, size_t count, off_t offset) {
    const TFault* fault = Intercept(TSyscall::Pwrite);
    if (!Transfers(fault)) return Fail(*fault);
    return __real_pwrite(fd, buffer, TransferSize(fault, count), offset);
}

int __wrap_close(int fd) {
    const TFault* fault = Intercept(TSyscall::Close);
    const int result = __real_close(fd);
    return fault ? Fail(*fault) : result;
}

int __wrap_fsync(int fd) {
    if (const TFault* fault = Intercept(TSyscall::Fsync)) return Fail(*fault);
    return __real_fsync(fd);
}

int __wrap_rename(const char* from, const char* to) {
    if (const TFault* fault = Intercept(TSyscall::Rename)) return Fail(*fault);
    return __real_rename(from, to);
}

}  // extern "C"
// NOLINTEND(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp)

std::string NameOf(TSyscall call) {
    static const char* const names[] = {"open", "pread", "pwrite", "close", "fsync", "rename"};
    return names[static_cast<std::size_t>(call)];
}

std::string NameOf(TFaultKind kind) {
    static const char* const names[] = {"EIO", "ENOSPC", "EACCES", "EINTR", "short", "tear", "nothing", "kill"};
    return names[static_cast<std::size_t>(kind)];
}

TFaultScope::TFaultScope(std::vector<TFault> faults) {
    state = TState{};
    state.Fired.assign(faults.size(), false);
    state.Faults = std::move(faults);
    state.Armed = true;
}

TFaultScope::~TFaultScope() { state.Armed = false; }

int TFaultScope::Calls(TSyscall call) const { return state.Calls[static_cast<std::size_t>(call)]; }

bool TFaultScope::Fired() const {
    return std::all_of(state.Fired.begin(), state.Fired.end(), [](bool fired) { return fired; });
}

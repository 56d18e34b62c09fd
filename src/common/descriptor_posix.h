// One owner for a POSIX file descriptor and one retry for calls that a signal
// interrupts, shared by every Linux file adapter (POSIX builds only).
#pragma once

#include <unistd.h>

#include <cerrno>
#include <utility>

// Calls fn again while it fails (a negative answer) with EINTR, and answers
// what the last call answered; errno stays as that call left it.
template <typename Fn>
auto RetryOnInterrupt(Fn fn) {
    decltype(fn()) result;
    do {
        result = fn();
    } while (result < 0 && errno == EINTR);
    return result;
}

// Closes fd once; false when the system reported a failure. close() is never
// retried: after EINTR the descriptor is already gone on Linux, and every
// write was handed to the system before, so nothing was lost.
inline bool CloseDescriptor(int fd) { return ::close(fd) == 0 || errno == EINTR; }

// Holds one descriptor and closes it with the object: non-copyable, movable.
// A negative value means that nothing is held.
class TDescriptor {
public:
    explicit TDescriptor(int fd = -1) : fd_(fd) {}
    ~TDescriptor() { Close(); }
    TDescriptor(const TDescriptor&) = delete;
    TDescriptor& operator=(const TDescriptor&) = delete;
    TDescriptor(TDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    TDescriptor& operator=(TDescriptor&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.fd_, -1));
        return *this;
    }

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    // Closes now; false when the system reported a failure. Closed from here
    // on, whatever the system answers.
    bool Close() { return fd_ < 0 || CloseDescriptor(std::exchange(fd_, -1)); }
    // Closes what it held and takes fd.
    void Reset(int fd) {
        Close();
        fd_ = fd;
    }
    // Gives the descriptor up without closing it.
    int Release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// SIGTERM and SIGINT as quit requests: the signal handler only writes a byte
// to a pipe, and the event loop reads it and quits the ordinary way.
#pragma once

#include <QSocketNotifier>

#include <csignal>
#include <functional>
#include <memory>

#include "common/descriptor_posix.h"

class TQuitSignals {
public:
    // Installs the handlers; onSignal runs in the event loop, once per signal.
    explicit TQuitSignals(std::function<void()> onSignal);
    // Puts the previous handlers back and closes the pipe.
    ~TQuitSignals();
    TQuitSignals(const TQuitSignals&) = delete;
    TQuitSignals& operator=(const TQuitSignals&) = delete;

private:
    // Declared before the notifier: members go in reverse order, so the
    // notifier is gone before the pipe closes.
    TDescriptor readEnd_;
    TDescriptor writeEnd_;
    struct sigaction previousTerm_ {};
    struct sigaction previousInt_ {};
    std::unique_ptr<QSocketNotifier> notifier_;
};

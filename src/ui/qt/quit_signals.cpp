// The self-pipe: a signal handler may do next to nothing, so it writes one
// byte and the event loop does the rest.
#include "ui/qt/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "common/errors.h"
#include "ui/frame.h"

namespace {

volatile std::sig_atomic_t g_writeEnd = -1;

extern "C" void WriteQuitByte(int) {
    const int saved = errno;
    const char byte = 'q';
    [[maybe_unused]] const ssize_t written = ::write(g_writeEnd, &byte, 1);
    errno = saved;
}

void Install(int signal, struct sigaction& previous) {
    struct sigaction action {};
    action.sa_handler = &WriteQuitByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(signal, &action, &previous);
}

}  // namespace

TQuitSignals::TQuitSignals(std::function<void()> onSignal) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) throw ESystemError("終了の合図を受けるパイプを作れません", errno);
    // Owned from here: should the notifier throw, the members close the pipe.
    readEnd_.Reset(ends[0]);
    writeEnd_.Reset(ends[1]);
    notifier_ = std::make_unique<QSocketNotifier>(readEnd_.Get(), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [fd = readEnd_.Get(), onSignal = std::move(onSignal)] {
                         char bytes[16];
                         while (::read(fd, bytes, sizeof bytes) > 0) {
                         }
                         DispatchEvent(onSignal);
                     });
    g_writeEnd = writeEnd_.Get();
    Install(SIGTERM, previousTerm_);
    Install(SIGINT, previousInt_);
}

TQuitSignals::~TQuitSignals() {
    ::sigaction(SIGTERM, &previousTerm_, nullptr);
    ::sigaction(SIGINT, &previousInt_, nullptr);
    g_writeEnd = -1;
    // The members go next: the notifier first, then both ends of the pipe.
}

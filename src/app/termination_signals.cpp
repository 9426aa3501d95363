#include "app/termination_signals.h"

#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>

#include "platform/headless/device_target.h"

namespace ezo {

TerminationSignals::TerminationSignals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds_) != 0) return;
    writeFd = fds_[0];
    notifier_ = std::make_unique<QSocketNotifier>(fds_[1], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] { OnSignal(); });
    struct sigaction action = {};
    action.sa_handler = Handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (size_t i = 0; i < std::size(kSignals); ++i) sigaction(kSignals[i], &action, &old_[i]);
}

TerminationSignals::~TerminationSignals() {
    if (!notifier_) return;
    for (size_t i = 0; i < std::size(kSignals); ++i) sigaction(kSignals[i], &old_[i], nullptr);
    writeFd = -1;
    notifier_.reset();
    ::close(fds_[0]);
    ::close(fds_[1]);
}

void TerminationSignals::Handler(int) {
    const int fd = writeFd;
    const char byte = 1;
    if (fd >= 0) {
        const ssize_t written = ::write(fd, &byte, 1);
        (void)written;
    }
}

void TerminationSignals::OnSignal() {
    char byte;
    const ssize_t got = ::read(fds_[1], &byte, 1);
    (void)got;
    headless::CloseProgram(notifier_.get());
}

}  // namespace ezo

#pragma once
// Ctrl+C in the terminal (SIGINT), a polite kill (SIGTERM) or a closed
// terminal (SIGHUP) close the program as its own Exit would, so what it saves
// on the way out is saved and the exit status is the program's own.
#include <csignal>
#include <memory>

class QSocketNotifier;

namespace ezo {

// While one exists, the signals are caught. The handler only writes a byte to
// a socket the UI thread watches. A second signal takes the default action,
// in case the program does not close.
class TerminationSignals {
public:
    TerminationSignals();
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    static void Handler(int);
    void OnSignal();

    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
    static inline volatile std::sig_atomic_t writeFd = -1;
    int fds_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
    struct sigaction old_[std::size(kSignals)] = {};
};

}  // namespace ezo

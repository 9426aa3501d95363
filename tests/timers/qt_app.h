#pragma once
// One QCoreApplication for the whole test program, made on first use.
#include <QCoreApplication>
#include <QDeadlineTimer>

#include <functional>

namespace testing_support {

inline QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "ezo_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

// Runs the event loop until done() holds or timeoutMs passes.
inline bool ProcessEventsUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
    App();
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

}  // namespace testing_support

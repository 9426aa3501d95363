#pragma once
// One Qt application for the whole test program, on the offscreen platform;
// the device reuses it.
#include <QApplication>

namespace headless {

inline void EnsureTestApplication() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "ezo_headless_tests";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
}

}  // namespace headless

#pragma once
// One Qt application for the whole test program, on the offscreen platform;
// the device reuses it. It goes away when the tests end, while Qt's own
// globals still exist.
#include <memory>

#include <QApplication>
#include <gtest/gtest.h>

namespace headless {

class TestApplication final : public testing::Environment {
public:
    static void Ensure() {
        if (QCoreApplication::instance()) return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "ezo_headless_tests";
        static char* argv[] = {name, nullptr};
        application() = std::make_unique<QApplication>(argc, argv);
        testing::AddGlobalTestEnvironment(new TestApplication);  // owned by the test framework
    }
    void TearDown() override { application().reset(); }

private:
    static std::unique_ptr<QApplication>& application() {
        static std::unique_ptr<QApplication> app;
        return app;
    }
};

inline void EnsureTestApplication() { TestApplication::Ensure(); }

}  // namespace headless

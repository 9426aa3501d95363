#pragma once
// One offscreen Qt application for the test program; it ends with the tests, before Qt's globals.
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

#include "support/main_window_fixture.h"

#include <filesystem>
#include <fstream>


namespace test_support {

void MainWindowTest::SetUp() {
    ASSERT_FALSE(settingsFolder_.path().empty());
    pictures_.emplace();
    registry::SetRegistryFile(settingsFolder_ / "registry.reg");
    // The thumbnail store stays off (its folder is missing) unless a test
    // makes the folder; it never reaches the user's own cache.
    files::SetThumbnailFolder(settingsFolder_ / "Thumbnails");
    device_ = device::Device::start({.scale = 1, .headless = true, .virtualClock = true});
    ASSERT_TRUE(device_);
    ezo::SetProgramModule(&theModule);
    ezo::RegisterProgramClasses();
}

void MainWindowTest::TearDown() {
    device_.reset();  // takes the main window, and its state, with it
    window_ = nullptr;
    registry::SetRegistryFile("");
    files::SetThumbnailFolder("");
    pictures_.reset();
}

void MainWindowTest::Start() {
    window_ = ezo::CreateMainWindow(device::SW_SHOW);
    ASSERT_TRUE(window_);
    device_->processPending();
}

bool MainWindowTest::TimerRuns(uintptr_t id) const {
    for (const device::TimerInfo& t : device_->timers().running())
        if (t.window == window_ && t.id == id) return true;
    return false;
}

std::string MainWindowTest::HostPath(const std::string& relative) { return files::DeviceRoot() + "/" + relative; }

void MainWindowTest::MakeFolder(const std::string& relative) { std::filesystem::create_directories(HostPath(relative)); }

std::u16string MainWindowTest::WriteFile(const std::string& relative, size_t size) {
    std::ofstream(HostPath(relative), std::ios::binary) << std::string(size, 'x');
    return jpeg_test::DevicePath(relative);
}

}  // namespace test_support

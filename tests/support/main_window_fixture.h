#pragma once
// The real main window on a headless device with the virtual clock, a device
// root and a registry file in temporary folders. Each test makes its own main
// window, a fresh program state: nothing is reset by hand.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "app/main_window.h"
#include "app/program_entry.h"
#include "files/temp_folder.h"
#include "platform/device/device.h"
#include "platform/device/timers.h"
#include "platform/device/window.h"
#include "platform/files/device_paths.h"
#include "platform/files/utf.h"
#include "platform/registry/registry.h"
#include "shell/program.h"
#include "support/jpeg_test_support.h"

namespace test_support {

inline char theModule;  // stands for the program module

class MainWindowTest : public ::testing::Test {
protected:
    // Starts the device with an empty device root; Start() makes the window.
    void SetUp() override {
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
    void TearDown() override {
        device_.reset();  // takes the main window, and its state, with it
        window_ = nullptr;
        registry::SetRegistryFile("");
        files::SetThumbnailFolder("");
        pictures_.reset();
    }
    void Start() {
        window_ = ezo::CreateMainWindow(device::SW_SHOW);
        ASSERT_TRUE(window_);
        device_->processPending();
    }
    // The state of the window Start() made; only while that window lives.
    ezo::Program& program() const { return ezo::ProgramOf(window_); }

    device::Device& dev() { return *device_; }
    device::HWND Child(int id) const { return device::GetDlgItem(window_, id); }
    bool TimerRuns(uintptr_t id) const {
        for (const device::TimerInfo& t : device_->timers().running())
            if (t.window == window_ && t.id == id) return true;
        return false;
    }

    // Host files under the device root ("a/b.jpg"); WriteFile gives the
    // device path ("\a\b.jpg").
    static std::string HostPath(const std::string& relative) { return files::DeviceRoot() + "/" + relative; }
    static void MakeFolder(const std::string& relative) { std::filesystem::create_directories(HostPath(relative)); }
    static std::u16string WriteFile(const std::string& relative, size_t size = 10) {
        std::ofstream(HostPath(relative), std::ios::binary) << std::string(size, 'x');
        return jpeg_test::DevicePath(relative);
    }
    std::string RegistryText() const { return testing_support::ReadWholeFile(settingsFolder_ / "registry.reg"); }

    std::optional<jpeg_test::DeviceFolder> pictures_;  // the device root, fresh for each SetUp
    testing_support::TempFolder settingsFolder_;
    std::unique_ptr<device::Device> device_;
    device::HWND window_ = nullptr;
};

}  // namespace test_support

#pragma once
// The real main window on a headless device with the virtual clock, a device
// root and a registry file in temporary folders. Each test makes its own main
// window, and a new main window is a fresh program state: nothing is reset by
// hand.
#include <gtest/gtest.h>

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
    void SetUp() override;
    void TearDown() override;

    void Start();
    // The state of the window Start() made; only while that window lives.
    ezo::Program& program() const { return ezo::ProgramOf(window_); }

    device::Device& dev() { return *device_; }
    device::HWND Child(int id) const { return device::GetDlgItem(window_, id); }
    bool TimerRuns(uintptr_t id) const;

    // Host files under the device root ("a/b.jpg"); WriteFile gives the
    // device path ("\a\b.jpg").
    static std::string HostPath(const std::string& relative);
    static void MakeFolder(const std::string& relative);
    static std::u16string WriteFile(const std::string& relative, size_t size = 10);
    std::string RegistryText() const { return testing_support::ReadWholeFile(settingsFolder_ / "registry.reg"); }

    std::optional<jpeg_test::DeviceFolder> pictures_;  // the device root, fresh for each SetUp
    testing_support::TempFolder settingsFolder_;
    std::unique_ptr<device::Device> device_;
    device::HWND window_ = nullptr;
};

}  // namespace test_support

#pragma once
// The real main window on a headless device with the virtual clock, a
// registry file and a device root in a temporary folder; a picture put
// straight into the current-image slot and shown as opening it would; and
// a driver that plays steps from inside a modal loop (a message box's).
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>

#include <QColor>

#include "platform/device/device.h"
#include "platform/device/window.h"
#include "platform/gdi/bitmap.h"

namespace modes_test {

using device::HWND;

// Plays its steps one per posted message, so that they run inside whatever
// loop is running.
class Driver final : public device::Window {
public:
    device::LRESULT WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) override;
    std::deque<std::function<void()>> steps;
};

class ModesTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    device::Device& dev() { return *device_; }
    HWND Child(int id) { return device::GetDlgItem(window_, id); }
    gdi::RECT WindowRect(HWND window) const;
    bool Shown(HWND window) const { return window && device::IsWindowVisible(window); }
    // The one view or browse bar that shows, or 0 when none or several do.
    int ShownBar() const;
    // Puts the picture in the slot and switches to the view screen.
    void View(gdi::BitmapPtr picture);
    QColor ScreenPixel(int x, int y);
    // Steps to play inside the next modal loop.
    void Play(std::deque<std::function<void()>> steps);
    // Writes an empty file into the device root; its device path.
    std::u16string WriteFile(const std::string& name);
    bool HostFileExists(const std::string& name) const;
    std::string RegistryText() const;

    std::string folder_;
    std::string previousRoot_;
    std::unique_ptr<device::Device> device_;
    HWND window_ = nullptr;
    Driver* driver_ = nullptr;
};

// A bottom-up 24-bit w x h picture painted with colour(x, y), y from the top.
gdi::BitmapPtr Picture(int32_t w, int32_t h, std::function<QColor(int, int)> colour);

}  // namespace modes_test

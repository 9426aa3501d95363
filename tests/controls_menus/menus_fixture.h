#pragma once
// A headless device on the virtual clock with the device look, a top-level
// owner window that writes each WM_INITMENUPOPUP and WM_COMMAND it receives
// as one line of text, and helpers to find and tap the items of the menu on
// the screen.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls/menu.h"
#include "platform/controls/resources.h"
#include "platform/device/device.h"
#include "platform/device/window.h"

namespace menus_test {

using namespace controls;
using device::HWND;
using Events = std::vector<std::string>;

class Owner final : public device::Window {
public:
    device::LRESULT WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) override;
    void StylusHeld(int32_t x, int32_t y) override {
        if (onHeld) onHeld(x, y);
    }

    Events events;
    std::function<void(int32_t, int32_t)> onHeld;
    // Names given to menus, so that WM_INITMENUPOPUP lines say which one opened.
    std::vector<std::pair<HMENU, std::string>> names;
    std::function<void()> onInitMenu;
    int ticks = 0;  // WM_TIMER received
};

class MenusTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    device::Device& dev() { return *device_; }
    Events Take() {
        Events out;
        out.swap(owner_->events);
        return out;
    }
    // Runs steps one after the other once a menu is tracked. The steps of an
    // earlier call that have not run by then are dropped.
    void Later(std::vector<std::function<void()>> steps);

    std::unique_ptr<device::Device> device_;
    HWND ownerWindow_ = nullptr;
    Owner* owner_ = nullptr;
    std::shared_ptr<int> batch_ = std::make_shared<int>(0);
};

// The Tool pop-up's items, as the view bars have them.
std::vector<MenuItemTemplate> ToolItems();
// Menu bars 102 (File, a separator, image buttons and a disabled text
// button) and 149 (File, Tool and seven image buttons), with their menus,
// captions and the 16 x 16 images 150, 166, 165, 116, 117, 161 and 163.
void DefineSampleBars();

// The screen point at the middle of the shown item with this text, at the
// menu level (0 the first pop-up); (-1, -1) when no such item shows.
gdi::POINT ItemPoint(int level, const std::u16string& text);
// The screen rectangle of a shown menu level (empty when none).
gdi::RECT LevelRect(int level);
// A tap far from any earlier one, so that none is a double tap.
void TapAt(device::Device& dev, gdi::POINT p);

}  // namespace menus_test

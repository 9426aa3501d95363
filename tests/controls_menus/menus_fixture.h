#pragma once
// The host of the menu tests, with the device look: it writes each
// WM_INITMENUPOPUP and WM_COMMAND it hears as one line; helpers to find and
// tap the items of the menu on the screen.
#include "device/host_fixture.h"
#include "platform/controls/menu.h"
#include "platform/controls/resources.h"

namespace menus_test {

using namespace controls;
using device::HWND;
using device_test::Events;

class MenusTest : public device_test::HostTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Names given to menus, so that WM_INITMENUPOPUP lines say which one opened.
    std::vector<std::pair<HMENU, std::string>> names_;
    std::function<void()> onInitMenu_;  // after the line is written
    int ticks_ = 0;                     // WM_TIMER received
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
// A tap far from any earlier one, so that none is a double tap.
void TapAt(device::Device& dev, gdi::POINT p);

}  // namespace menus_test

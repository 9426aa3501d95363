#pragma once
// The started main window, helpers to read and drive it, and a picture put
// straight into its current-image slot and shown as opening it would.
#include <functional>

#include <QImage>

#include "image/draw_test_support.h"
#include "image/view_recentre.h"
#include "platform/controls/menu.h"
#include "shell/resource_ids.h"
#include "shell/shell_windows.h"
#include "support/main_window_fixture.h"

namespace modes_test {

using namespace ezo;
using device::HWND;
using gdi::COLORREF;

constexpr COLORREF kRed = gdi::RGB(255, 0, 0), kBlue = gdi::RGB(0, 0, 255), kGrey = gdi::RGB(128, 128, 128);

class ModesTest : public test_support::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Start();
    }
    static gdi::RECT WindowRect(HWND window) {
        gdi::RECT r;
        return device::GetWindowRect(window, &r), r;
    }
    static bool Shown(HWND window) { return window && device::IsWindowVisible(window); }
    // The one view or browse bar that shows, or 0 when none or several do.
    int ShownBar() const {
        int shown = 0;
        for (int i = 0; i < kMenuBarCount; ++i) {
            if (!Shown(program().shell.menuBars[size_t(i)])) continue;
            if (shown) return 0;
            shown = kMenuBarsInCreationOrder[i];
        }
        return shown;
    }
    // A w x h picture of colour(x, y), y from the top, put in the slot and
    // shown on the view screen.
    void View(int32_t w, int32_t h, std::function<COLORREF(int, int)> colour = [](int, int) { return kGrey; }) {
        Program& p = program();
        p.viewState.currentImage = draw_test::MakePicture(w, h, 24, colour);
        p.viewState.imageLoaded = 1;
        p.viewState.landscapeApplied = 0;
        p.viewState.zoom = 1.0f;
        p.shell.browseMode = 0;
        RecentreView(p.viewState, 0);
        HideBrowseWindows(p.shell);
        HideBrowseBars(p.shell);
        ShowViewBar(p.shell);
        device::SetWindowText(window_, u"Ezo - picture");
        device::InvalidateRect(window_, nullptr, true);
        device_->processPending();
    }
    COLORREF ScreenPixel(int x, int y) {
        const QColor c = device_->grabScreen().pixelColor(x, y);
        return gdi::RGB(uint8_t(c.red()), uint8_t(c.green()), uint8_t(c.blue()));
    }
    void Command(uint16_t id) { dev().command(id), dev().processPending(); }
    // A tap in the middle of a child of the main window.
    void TapChild(int id) {
        const gdi::RECT r = WindowRect(Child(id));
        dev().advance(1000);
        dev().tap((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        dev().processPending();
    }
    // Whether every Tool menu has command checked.
    bool MenusChecked(uint16_t command) const {
        bool all = true;
        for (controls::HMENU menu : program().shell.toolMenus)
            all = all && (controls::GetMenuState(menu, command, controls::MF_BYCOMMAND) & controls::MF_CHECKED);
        return all;
    }
};

}  // namespace modes_test

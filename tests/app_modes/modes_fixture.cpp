#include "modes_fixture.h"


#include "app/main_window.h"
#include "app/resource_ids.h"
#include "app/shell/shell_state.h"
#include "app/shell/shell_windows.h"
#include "browse/current_folder.h"
#include "image/view_recentre.h"
#include "image/view_state.h"
#include "platform/device/message_loop.h"

namespace modes_test {

using namespace ezo;

namespace {

constexpr uint32_t kStep = device::WM_USER + 1;

}  // namespace

device::LRESULT Driver::WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) {
    if (msg != kStep) return device::DefWindowProc(this, msg, wParam, lParam);
    if (steps.empty()) return 0;
    auto step = std::move(steps.front());
    steps.pop_front();
    step();
    if (!steps.empty()) device::PostMessage(this, kStep, 0, 0);
    return 0;
}

void ModesTest::SetUp() {
    MainWindowTest::SetUp();
    currentFolder.assign(1, u'\\');  // the device root
    Start();
    auto driver = std::make_unique<Driver>();
    driver_ = driver.get();
    ASSERT_TRUE(device::CreateWindowFor(std::move(driver), u"ModesDriver", 0, u"", 0, 0, 0, 0, 0, nullptr, 0));
    device_->processPending();
}

gdi::RECT ModesTest::WindowRect(HWND window) const {
    gdi::RECT r;
    device::GetWindowRect(window, &r);
    return r;
}

int ModesTest::ShownBar() const {
    int shown = 0;
    for (int i = 0; i < kMenuBarCount; ++i) {
        if (!Shown(shell.menuBars[size_t(i)])) continue;
        if (shown) return 0;
        shown = kMenuBarsInCreationOrder[i];
    }
    return shown;
}

void ModesTest::View(gdi::BitmapPtr picture) {
    viewState.currentImage = std::move(picture);
    viewState.imageLoaded = 1;
    viewState.landscapeApplied = 0;
    viewState.zoom = 1.0f;
    shell.browseMode = 0;
    RecentreView(0);
    HideBrowseWindows();
    HideBrowseBars();
    ShowViewBar();
    device::SetWindowText(window_, u"Ezo - picture");
    device::InvalidateRect(window_, nullptr, true);
    device_->processPending();
}

QColor ModesTest::ScreenPixel(int x, int y) { return device_->grabScreen().pixelColor(x, y); }

void ModesTest::Play(std::deque<std::function<void()>> steps) {
    driver_->steps = std::move(steps);
    device::PostMessage(driver_, kStep, 0, 0);
}

gdi::BitmapPtr Picture(int32_t w, int32_t h, std::function<QColor(int, int)> colour) {
    gdi::BITMAPINFO info{};
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;
    info.bmiHeader.biBitCount = 24;
    gdi::BitmapPtr b = gdi::CreateDIBSection(nullptr, &info, gdi::DIB_RGB_COLORS, nullptr);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            const QColor c = colour(x, y);
            uint8_t* p = b->row(y) + x * 3;
            p[0] = uint8_t(c.blue()), p[1] = uint8_t(c.green()), p[2] = uint8_t(c.red());
        }
    return b;
}

}  // namespace modes_test

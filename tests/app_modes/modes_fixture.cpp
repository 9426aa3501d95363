#include "modes_fixture.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include <stdlib.h>

#include <QString>

#include "app/main_window.h"
#include "app/program_entry.h"
#include "app/resource_ids.h"
#include "app/shell/shell_state.h"
#include "app/shell/shell_windows.h"
#include "browse/current_folder.h"
#include "browse/file_list.h"
#include "image/view_recentre.h"
#include "image/view_state.h"
#include "platform/device/message_loop.h"
#include "platform/files/device_paths.h"
#include "platform/registry/registry.h"
#include "settings/settings.h"

namespace modes_test {

namespace fs = std::filesystem;
using namespace ezo;

namespace {

constexpr uint32_t kStep = device::WM_USER + 1;
char theModule;  // stands for the program module

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
    std::string pattern = (fs::temp_directory_path() / "ezo-modes-XXXXXX").string();
    ASSERT_TRUE(mkdtemp(pattern.data()));
    folder_ = pattern;
    fs::create_directories(folder_ + "/root");
    previousRoot_ = files::DeviceRoot();
    files::SetDeviceRoot(folder_ + "/root");
    registry::SetRegistryFile(folder_ + "/registry.reg");
    device_ = device::Device::start({.scale = 1, .headless = true, .virtualClock = true});
    ASSERT_TRUE(device_);
    viewState = ViewState{};
    settings = Settings{};
    shell = Shell{};
    FreeFileList();
    fileList.count = 0;
    fileList.scanPath.clear();
    currentFolder = u"\\";
    shell.instance = &theModule;
    RegisterProgramClasses();
    window_ = CreateMainWindow(device::SW_SHOW);
    ASSERT_TRUE(window_);
    auto driver = std::make_unique<Driver>();
    driver_ = driver.get();
    ASSERT_TRUE(device::CreateWindowFor(std::move(driver), u"ModesDriver", 0, u"", 0, 0, 0, 0, 0, nullptr, 0));
    device_->processPending();
}

void ModesTest::TearDown() {
    device_.reset();
    registry::SetRegistryFile("");
    files::SetDeviceRoot(previousRoot_);
    fs::remove_all(folder_);
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

std::u16string ModesTest::WriteFile(const std::string& name) {
    std::ofstream(folder_ + "/root/" + name) << "x";
    return u"\\" + QString::fromStdString(name).toStdU16String();
}

bool ModesTest::HostFileExists(const std::string& name) const { return fs::exists(folder_ + "/root/" + name); }

std::string ModesTest::RegistryText() const {
    std::ifstream in(folder_ + "/registry.reg");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
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

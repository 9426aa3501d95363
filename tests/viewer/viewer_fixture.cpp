#include "viewer_fixture.h"

#include <unistd.h>

#include <filesystem>
#include <iterator>
#include <vector>

#include "app/program_entry.h"
#include "app/shell/shell_state.h"
#include "browse/file_list.h"
#include "browse/path_text.h"
#include "image/open_image.h"
#include "image/transition.h"
#include "image/view_state.h"
#include "platform/device/painting.h"
#include "platform/device/timers.h"
#include "platform/files/device_paths.h"
#include "platform/files/utf.h"
#include "platform/gdi/paint.h"
#include "platform/registry/registry.h"
#include "settings/settings.h"

namespace viewer_test {

namespace fs = std::filesystem;
using namespace ezo;

namespace {

char theModule;  // stands for the program module

// A distinct colour for each picture written.
std::vector<uint8_t> ColourNumber(size_t n) {
    static const std::vector<uint8_t> colours[] = {{250, 0, 0}, {0, 250, 0}, {0, 0, 250}, {250, 250, 0}, {0, 250, 250}};
    return colours[n % std::size(colours)];
}

}  // namespace

void ViewerTest::SetUp() {
    registryFolder_ = (fs::temp_directory_path() / ("ezo_viewer_" + std::to_string(::getpid()))).string();
    fs::remove_all(registryFolder_);
    fs::create_directories(registryFolder_);
    registry::SetRegistryFile(registryFolder_ + "/registry.reg");
    pictures_ = std::make_unique<jpeg_test::DeviceFolder>();
    fs::create_directories(fs::path(files::DeviceRoot()) / "Folder");
    device_ = device::Device::start({.scale = 1, .headless = true, .virtualClock = true});
    ASSERT_TRUE(device_);
    viewState = ViewState{};
    settings = Settings{};
    shell = Shell{};
    transition = TransitionState{};
    shell.instance = &theModule;
    RegisterProgramClasses();
    window_ = CreateMainWindow(device::SW_SHOW);
    ASSERT_TRUE(window_);
}

void ViewerTest::TearDown() {
    FreeFileList();
    fileList = FileList{};
    device_.reset();
    viewState = ViewState{};
    pictures_.reset();
    registry::SetRegistryFile("");
    fs::remove_all(registryFolder_);
}

void ViewerTest::ListFolder(std::initializer_list<const char*> names) {
    size_t n = 0;
    for (const char* name : names) {
        const std::string relative = std::string("Folder/") + name;
        if (std::string_view(name).starts_with("bad"))
            pictures_->WriteBytes(relative, {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'});
        else
            pictures_->Write(relative, jpeg_test::Samples(16, 16, JCS_RGB, ColourNumber(n++)));
    }
    fileList.scanPath = u"\\Folder\\";
    ScanFolder();
    fileList.ascending = 1;
    SortFileList();
    NumberFileList();
}

std::u16string ViewerTest::PathOf(const char* name) {
    return u"\\Folder\\" + files::Utf8ToUtf16(name).value_or(u"");
}

int ViewerTest::Open(const char* name) {
    return OpenImageForView(window_, PathOf(name), ImageKindOfName(PathOf(name)), 0);
}

std::string ViewerTest::Showing() const { return files::Utf16ToUtf8(FileNameOfPath(fileList.scanPath, 0)).value_or(""); }

std::u16string ViewerTest::Title() const { return device::GetWindowText(window_); }

gdi::COLORREF ViewerTest::Pixel(int32_t x, int32_t y) const {
    return draw_test::PixelAt(*device::BackingStore(window_), x, y);
}

void ViewerTest::FillWindow(gdi::COLORREF colour) {
    device::WindowDC dc(window_);
    gdi::RECT client{};
    device::GetClientRect(window_, &client);
    const gdi::BrushPtr brush = gdi::CreateSolidBrush(colour);
    gdi::FillRect(dc, &client, brush.get());
}

bool ViewerTest::TimerRuns(uintptr_t id, uint32_t* periodMs) const {
    for (const device::TimerInfo& t : device_->timers().running())
        if (t.window == window_ && t.id == id) {
            if (periodMs) *periodMs = t.periodMs;
            return true;
        }
    return false;
}

}  // namespace viewer_test

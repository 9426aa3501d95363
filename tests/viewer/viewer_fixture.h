#pragma once
// The real main window on a headless device with a virtual clock, a device
// root with small pictures in "\Folder\" and a registry in a temporary folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>

#include "app/program_entry.h"
#include "app/shell/shell_state.h"
#include "browse/file_list.h"
#include "browse/path_text.h"
#include "image/draw_test_support.h"
#include "image/jpeg_test_support.h"
#include "image/open_image.h"
#include "image/transition.h"
#include "image/view_state.h"
#include "platform/device/device.h"
#include "platform/device/painting.h"
#include "platform/device/timers.h"
#include "platform/device/window.h"
#include "platform/files/device_paths.h"
#include "platform/files/utf.h"
#include "platform/gdi/paint.h"
#include "platform/registry/registry.h"
#include "settings/settings.h"

namespace viewer_test {

using namespace ezo;
namespace fs = std::filesystem;
constexpr gdi::COLORREF kWhite = gdi::RGB(255, 255, 255), kBlack = 0;
inline char theModule;  // stands for the program module

class ViewerTest : public ::testing::Test {
protected:
    void SetUp() override {
        registry::SetRegistryFile(registryFile_);
        fs::create_directories(fs::path(files::DeviceRoot()) / "Folder");
        device_ = device::Device::start({.scale = 1, .headless = true, .virtualClock = true});
        ASSERT_TRUE(device_);
        viewState = ViewState{}, settings = Settings{}, shell = Shell{}, transition = TransitionState{};
        shell.instance = &theModule;
        RegisterProgramClasses();
        window_ = CreateMainWindow(device::SW_SHOW);
        ASSERT_TRUE(window_);
    }
    void TearDown() override {
        FreeFileList();
        fileList = FileList{};
        device_.reset();
        viewState = ViewState{};
        registry::SetRegistryFile("");
        fs::remove(registryFile_);
    }

public:
    // Writes each name into \Folder\ (a 16 x 16 picture, or text for a name
    // starting with "bad") and lists the folder sorted by name.
    void ListFolder(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            const std::string file = std::string("Folder/") + name;
            if (std::string_view(name).starts_with("bad"))
                pictures_.WriteBytes(file, {'t', 'e', 'x', 't'});
            else
                pictures_.Write(file, jpeg_test::Samples(16, 16, JCS_RGB, {250, 0, 0}));
        }
        fileList.scanPath = u"\\Folder\\";
        ScanFolder();
        SortFileList();
        NumberFileList();
    }
    static std::u16string PathOf(const char* name) { return u"\\Folder\\" + *files::Utf8ToUtf16(name); }
    int Open(const char* name) { return OpenImageForView(window_, PathOf(name), ImageKindOfName(PathOf(name)), 0); }
    // The file name of the picture loaded last.
    std::u16string Showing() const { return FileNameOfPath(fileList.scanPath, 0); }
    gdi::COLORREF Pixel(int32_t x, int32_t y) const {
        return draw_test::PixelAt(*device::BackingStore(window_), x, y);
    }
    void FillWindow(gdi::COLORREF colour) {
        device::WindowDC dc(window_);
        const gdi::BrushPtr brush = gdi::CreateSolidBrush(colour);
        const gdi::RECT all{0, 0, 240, 320};
        gdi::FillRect(dc, &all, brush.get());
    }
    bool TimerRuns(uintptr_t id) const {
        for (const device::TimerInfo& t : device_->timers().running())
            if (t.window == window_ && t.id == id) return true;
        return false;
    }

    jpeg_test::DeviceFolder pictures_;
    std::unique_ptr<device::Device> device_;
    device::HWND window_ = nullptr;

private:
    const std::string registryFile_ =
        (fs::temp_directory_path() / ("ezo_viewer_" + std::to_string(::getpid()) + ".reg")).string();
};

}  // namespace viewer_test

#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>
#include <set>

#include "platform/controls/gallery.h"
#include "platform/controls/look.h"
#include "platform/device/device.h"
#include "platform/headless/device_target.h"
#include "platform/headless/script_runner.h"
#include "platform/headless/script_source.h"

namespace {

using namespace controls;
namespace fs = std::filesystem;

const fs::path kFolder = fs::path(EZO_BINARY_DIR) / "gallery";

class GalleryTest : public ::testing::Test {
protected:
    void SetUp() override {
        device_ = device::Device::start({.scale = 1, .headless = true, .virtualClock = true});
        ASSERT_TRUE(device_);
        ApplyDeviceLook(device_->desktopWindow());
    }
    void TearDown() override { device_.reset(); }

    std::unique_ptr<device::Device> device_;
};

// How many pixels differ from the plain screen (the task bar over white and
// the grey band): a page that shows nothing would give almost none.
int DrawnPixels(const QImage& shot) {
    int drawn = 0;
    for (int y = 30; y < 290; ++y)
        for (int x = 0; x < shot.width(); ++x) drawn += shot.pixel(x, y) != qRgb(255, 255, 255);
    return drawn;
}

TEST_F(GalleryTest, EveryPageIsShotAndShowsSomething) {
    const std::vector<std::string> written = SaveGalleryScreens(*device_, kFolder);
    std::set<std::string> families;
    for (const std::string& name : written) {
        SCOPED_TRACE(name);
        families.insert(name.substr(0, name.find('-')));
        QImage shot((kFolder / name).string().c_str());
        ASSERT_FALSE(shot.isNull());
        EXPECT_EQ(shot.size(), QSize(240, 320));
        EXPECT_GT(DrawnPixels(shot), 500);
    }
    EXPECT_TRUE(families.count("menus"));
    EXPECT_GE(written.size(), GalleryFamilies().size());
}

TEST_F(GalleryTest, TheScriptStepsThroughThePages) {
    device::HWND gallery = CreateGalleryWindow();
    ASSERT_TRUE(gallery);
    EXPECT_EQ(GalleryPageName(gallery), "menus-0");
    const headless::ParsedScript script = headless::LoadScriptFile(std::string(EZO_SOURCE_DIR) + "/demo/gallery.ezs");
    ASSERT_FALSE(script.error) << script.error->message;
    headless::DeviceTarget target(*device_);
    headless::ScriptRunner runner(target, kFolder / "script");
    fs::create_directories(kFolder / "script");
    runner.Run(script.commands);
    EXPECT_FALSE(runner.error());
    EXPECT_TRUE(fs::exists(kFolder / "script" / "page-01.png"));
    EXPECT_TRUE(fs::exists(kFolder / "script" / "page-09.png"));
    EXPECT_NE(GalleryPageName(gallery), "menus-0");
    device::DestroyWindow(gallery);
}

}  // namespace

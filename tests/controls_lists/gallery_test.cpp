#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "platform/controls/gallery_lists.h"
#include "platform/controls/look.h"
#include "platform/device/device.h"

namespace lists_test {
namespace {

// Counts the pixels of the selection's dark blue, the disabled selection's
// grey and the image list's colours on a screenshot.
int Count(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

TEST(GalleryLists, EveryPageShowsItsControlsAndIsSavedForReview) {
    auto device = device::Device::start({.scale = 1, .headless = true, .virtualClock = true});
    ASSERT_TRUE(device);
    controls::ApplyDeviceLook(device->desktopWindow());
    const QString folder = QStringLiteral(EZO_BINARY_DIR "/gallery");
    QDir().mkpath(folder);
    struct Page {
        QRgb mustShow;  // a colour the page cannot do without
        int atLeast;
    } pages[] = {
        {qRgb(0x0A, 0x24, 0x6A), 60},   // the selected folder
        {qRgb(0x0A, 0x24, 0x6A), 600},  // two selected rows in two lists
        {qRgb(255, 200, 0), 40},        // the image list's fill, drawn without its magenta
    };
    for (int p = 0; p < controls::kGalleryPagesLists; ++p) {
        device::HWND page = controls::CreateGalleryPageLists(p);
        ASSERT_TRUE(page) << p;
        device->advance(10);
        const QImage shot = device->grabScreen();
        EXPECT_TRUE(shot.save(folder + QStringLiteral("/lists_%1.png").arg(p))) << p;
        EXPECT_GE(Count(shot, pages[p].mustShow), pages[p].atLeast) << p;
        EXPECT_EQ(Count(shot, qRgb(255, 0, 255)), 0) << p;  // magenta never shows
        device::DestroyWindow(page);
    }
    EXPECT_EQ(controls::CreateGalleryPageLists(controls::kGalleryPagesLists), nullptr);
    EXPECT_EQ(controls::CreateGalleryPageLists(-1), nullptr);
}

}  // namespace
}  // namespace lists_test

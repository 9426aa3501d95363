// Pictures for reviewing the program's art by eye, written to the build
// folder: every bitmap and the icon eight times enlarged, and the seven menu
// bars as the device shows them.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <vector>

#include "app/resource_ids.h"
#include "app/resource_table.h"
#include "platform/controls/look.h"
#include "platform/controls/menu_bar.h"
#include "platform/controls/resources.h"
#include "platform/device/device.h"
#include "platform/device/screen_layout.h"
#include "platform/device/window.h"
#include "resource_images.h"

namespace {

using namespace controls;

constexpr int kZoom = 8;  // the bitmaps
constexpr int kGap = 8;
const QColor kBarGrey(0xD4, 0xD0, 0xC8);

// Rows of pictures, each drawn enlarged on the bar's grey.
QImage Sheet(const std::vector<std::vector<QImage>>& rows, int zoom) {
    int width = 0, height = kGap;
    for (const auto& row : rows) {
        int w = kGap, h = 0;
        for (const QImage& image : row) w += image.width() * zoom + kGap, h = std::max(h, image.height() * zoom);
        width = std::max(width, w);
        height += h + kGap;
    }
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(kBarGrey);
    QPainter painter(&sheet);
    int y = kGap;
    for (const auto& row : rows) {
        int x = kGap, h = 0;
        for (const QImage& image : row) {
            painter.drawImage(x, y, image.scaled(image.size() * zoom));
            x += image.width() * zoom + kGap;
            h = std::max(h, image.height() * zoom);
        }
        y += h + kGap;
    }
    return sheet;
}

QImage Load(int id) { return resource_test::LoadImage(id); }

// Each image of a strip apart, so the cuts show.
std::vector<QImage> Cut(int id, int width) { return resource_test::CutStrip(Load(id), width); }

TEST(ResourceSheetsTest, ContactSheetOfEveryBitmap) {
    ClearResources();
    ezo::DefineProgramResources();
    using namespace ezo;
    std::vector<std::vector<QImage>> rows;
    rows.push_back({});
    for (int id : {IDB_BACK, IDB_PREVIOUS, IDB_NEXT, IDB_ZOOM_IN, IDB_ZOOM_OUT, IDB_FIT, IDB_ACTUAL_SIZE})
        rows.back().push_back(Load(id));
    rows.push_back({});
    for (int id : {IDB_SLIDE_START, IDB_SLIDE_STOP, IDB_THUMBNAIL_VIEW, IDB_LIST_VIEW, IDB_REPORT_VIEW,
                   IDB_FILE_INFO, IDB_DELETE})
        rows.back().push_back(Load(id));
    rows.push_back(Cut(IDB_OVERLAY_BUTTONS, kOverlayImageSize));
    rows.push_back(Cut(IDB_SPLIT_BUTTONS, kSplitImageSize));
    rows.back().push_back(Load(IDB_THUMB_PLACEHOLDER));
    rows.push_back({LoadIcon(nullptr, IDI_EZO)});
    for (const auto& row : rows)
        for (const QImage& image : row) ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(Sheet(rows, kZoom).save(QStringLiteral(EZO_BINARY_DIR "/appres_contact_sheet.png")));
    ClearResources();
}

TEST(ResourceSheetsTest, MenuBarsAsShown) {
    auto device = device::Device::start({.scale = 1, .headless = true, .virtualClock = true});
    ASSERT_TRUE(device);
    ApplyDeviceLook(device->desktopWindow());
    ClearResources();
    ezo::DefineProgramResources();
    device::HWND window = device::CreateWindowFor(std::make_unique<device::Window>(), u"Owner", 0, u"Ezo",
                                                  device::WS_VISIBLE, 0, 26, 240, 268, nullptr, 0);
    ASSERT_TRUE(window);
    std::vector<device::HWND> bars;
    for (int id : ezo::kMenuBarsInCreationOrder) {
        SHMENUBARINFO info;
        info.cbSize = kSHMENUBARINFOSize;
        info.hwndParent = window;
        info.dwFlags = SHCMBF_HIDESIPBUTTON | SHCMBF_HIDDEN;
        info.nToolBarId = uint32_t(id);
        ASSERT_TRUE(SHCreateMenuBar(&info));
        SetMenuBarImages(info.hwndMB, nullptr, ezo::MenuBarImages(id));
        bars.push_back(info.hwndMB);
    }
    std::vector<std::vector<QImage>> rows;
    for (device::HWND bar : bars) {
        device::ShowWindow(bar, device::SW_SHOW);
        device->processPending();
        const QImage screen = device->grabScreen();
        rows.push_back({screen.copy(0, device::kScreenHeight - device::kMenuBarHeight, device::kScreenWidth,
                                    device::kMenuBarHeight)});
        device::ShowWindow(bar, device::SW_HIDE);
    }
    EXPECT_TRUE(Sheet(rows, 3).save(QStringLiteral(EZO_BINARY_DIR "/appres_menu_bars.png")));
    device.reset();
    ClearResources();
}

}  // namespace

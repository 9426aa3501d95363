#include <QApplication>
#include <QWidget>
#include <QMouseEvent>

#include <array>

#include "menus_fixture.h"
#include "platform/controls/menu_bar.h"
#include "platform/device/activation.h"
#include "platform/device/message_loop.h"
#include "platform/device/screen_layout.h"
#include "platform/device/window_internal.h"

namespace menus_test {
namespace {

class MenuBarTest : public MenusTest {
protected:
    void SetUp() override {
        MenusTest::SetUp();
        DefineSampleBars();
    }
    HWND Bar(uint32_t id, uint32_t flags = SHCMBF_HIDESIPBUTTON) {
        SHMENUBARINFO info{.cbSize = kSHMENUBARINFOSize, .hwndParent = hostWindow_, .dwFlags = flags, .nToolBarId = id};
        if (!SHCreateMenuBar(&info)) return nullptr;
        dev().processPending();
        return info.hwndMB;
    }
    static gdi::POINT Centre(HWND bar, int index) {
        const gdi::RECT r = MenuBarButtonRect(bar, index);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
};

// Bar 102 holds every kind of button: a menu, a separator, images and a
// disabled caption; left to right in the band at the bottom of the screen.
TEST_F(MenuBarTest, BarsAreBuiltFromTheirResourcesInOrder) {
    HWND bar = Bar(102);
    ASSERT_TRUE(bar);
    ASSERT_EQ(device::SendMessage(bar, TB_BUTTONCOUNT, 0, 0), 6);
    int right = 0;
    for (int i = 0; i < 6; ++i) {
        const gdi::RECT r = MenuBarButtonRect(bar, i);
        EXPECT_TRUE(r.left >= right && r.top >= device::kMenuBarRect.top && r.bottom <= device::kScreenHeight) << i;
        right = r.right;
    }
    EXPECT_LE(right, device::kScreenWidth);
}

TEST_F(MenuBarTest, CreationFailsForABadRecordOrResource) {
    const struct { uint32_t size; HWND parent; uint32_t id; } cases[] = {
        {28, hostWindow_, 102}, {kSHMENUBARINFOSize, hostWindow_, 555}, {kSHMENUBARINFOSize, nullptr, 102}};
    for (const auto& c : cases) {
        SHMENUBARINFO info{.cbSize = c.size, .hwndParent = c.parent, .nToolBarId = c.id, .hwndMB = hostWindow_};
        EXPECT_FALSE(SHCreateMenuBar(&info)) << c.id;
        EXPECT_EQ(info.hwndMB, nullptr);
    }
    EXPECT_FALSE(SHCreateMenuBar(nullptr));
}

TEST_F(MenuBarTest, ButtonPressesBecomeCommandsToTheParent) {
    HWND bar = Bar(149);
    ASSERT_TRUE(bar);
    const std::array<int, 7> images{150, 166, 165, 116, 117, 161, 163};
    EXPECT_EQ(SetMenuBarImages(bar, nullptr, images), 7);
    const struct { int index; Events events; } cases[] = {
        {3, {"COMMAND 40088"}}, {5, {"COMMAND 40084"}}, {9, {"COMMAND 40086"}}, {2, {}},  // the separator
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        const gdi::POINT p = Centre(bar, c.index);
        TapAt(dev(), p);
        dev().advance(1000);
        EXPECT_EQ(Take(), c.events);
    }
    // The disabled text button of bar 102 gives nothing.
    HWND browse = Bar(102);
    TapAt(dev(), Centre(browse, 4));
    EXPECT_TRUE(Take().empty());
    // The bars left the parent active.
    EXPECT_EQ(device::GetActiveWindow(), hostWindow_);
    EXPECT_EQ(device::SendMessage(bar, SHCMBM_GETSUBMENU, 0, 40088), 0);  // an image button has no menu
}

// The desktop's own mouse, as Qt delivers it to the device screen.
void DesktopClick(QWidget* screen, gdi::POINT p) {
    const QPointF at(p.x + 0.5, p.y + 0.5);
    const QPointF global = screen->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(screen, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(screen, &release);
}

TEST_F(MenuBarTest, TheDesktopMouseReachesAPopUpOpenedFromTheBar) {
    HWND bar = Bar(149);
    QWidget* screen = dev().desktopWindow();
    // Inside the pop-up's loop, the mouse must still go through the device's routing.
    Later({[&] { DesktopClick(screen, ItemPoint(0, u"Refresh")); },
           [&] { if (HWND w = TrackedMenuWindow()) device::EndModalLoop(w, 0); }});
    DesktopClick(screen, Centre(bar, 1));
    dev().processPending();
    EXPECT_EQ(Take(), (Events{"INITMENUPOPUP ?", "COMMAND 40095"}));
}

TEST_F(MenuBarTest, OnlyShownBarsAreSeenAndShowingOneHidesNoOther) {
    HWND browse = Bar(102);
    HWND view = Bar(149, SHCMBF_HIDESIPBUTTON | SHCMBF_HIDDEN);
    ASSERT_TRUE(browse && view);
    EXPECT_TRUE(device::IsWindowVisible(browse));
    EXPECT_FALSE(device::IsWindowVisible(view));

    // The Tool button's place is bar 102's second button (a separator) while bar 149 is hidden.
    auto toolShows = [&] {
        const QImage shot = dev().grabScreen();
        int dark = 0;
        const gdi::RECT r = MenuBarButtonRect(view, 1);
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) dark += qGray(shot.pixel(x, y)) < 80;
        return dark > 10;  // the caption's letters
    };
    EXPECT_FALSE(toolShows());

    device::ShowWindow(view, device::SW_SHOW);
    dev().processPending();
    EXPECT_TRUE(device::IsWindowVisible(browse));  // nothing else was hidden
    EXPECT_TRUE(toolShows());
    EXPECT_EQ(device::GetActiveWindow(), hostWindow_);

    device::ShowWindow(view, device::SW_HIDE);
    dev().processPending();
    EXPECT_FALSE(toolShows());
    // Every bar hidden: the band lets taps through to the window under it.
    device::ShowWindow(browse, device::SW_HIDE);
    device::MoveWindow(hostWindow_, 0, 26, 240, 294, false);
    dev().processPending();
    EXPECT_EQ(device::internal::WindowFromPoint({120, 310}), hostWindow_);
}

TEST_F(MenuBarTest, ImagesAreAddedAtTheEndAndAMissingOneKeepsItsPlace) {
    HWND bar = Bar(149);
    const std::array<int, 7> images{150, 166, 165, 116, 117, 161, 163};
    SetMenuBarImages(bar, nullptr, images);
    TBADDBITMAP add{nullptr, 162};
    EXPECT_EQ(device::SendMessage(bar, TB_ADDBITMAP, 1, reinterpret_cast<device::LPARAM>(&add)), -1);  // not defined
    add.nID = 164;
    DefineBitmap(164, {{std::string(16, 'k')}, {}});
    EXPECT_EQ(device::SendMessage(bar, TB_ADDBITMAP, 1, reinterpret_cast<device::LPARAM>(&add)), 7);
    // A missing bitmap in a list keeps the indices of those after it.
    const std::array<int, 2> more{999, 164};
    EXPECT_EQ(SetMenuBarImages(bar, nullptr, more), 1);
    add.nID = 150;
    EXPECT_EQ(device::SendMessage(bar, TB_ADDBITMAP, 1, reinterpret_cast<device::LPARAM>(&add)), 10);
}

}  // namespace
}  // namespace menus_test

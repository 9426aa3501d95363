// The view screen's switches on the real main window: full screen, the
// title bar, back to browsing, hardware keys, arrows and the stylus.
#include "modes_fixture.h"

#include "app/resource_ids.h"
#include "app/view_modes.h"
#include "app/shell/shell_state.h"
#include "image/view_state.h"
#include "platform/controls/menu.h"
#include "platform/device/message_loop.h"
#include "platform/device/messages.h"
#include "settings/settings.h"

namespace modes_test {
namespace {

using namespace ezo;

QColor Grey(int, int) { return QColor(128, 128, 128); }

bool TitleBarChecked() {
    bool all = true;
    for (controls::HMENU menu : shell.toolMenus)
        all = all && (controls::GetMenuState(menu, IDM_TITLE_BAR, controls::MF_BYCOMMAND) & controls::MF_CHECKED);
    return all;
}

class ViewModesTest : public ModesTest {
protected:
    bool OverlaysShown() {
        int shown = 0;
        for (int id : {kIdLeaveFullScreen, kIdOverlayZoomIn, kIdOverlayZoomOut, kIdOverlayFit}) shown += Shown(Child(id));
        EXPECT_TRUE(shown == 0 || shown == 4) << shown;
        return shown == 4;
    }
};

TEST_F(ViewModesTest, FullScreenAndTitleBarMoveTheWindowAndTheTaskBar) {
    View(Picture(40, 20, Grey));
    struct Step {
        uint16_t command;
        gdi::RECT window;
        bool taskBar, overlays, titleChecked;
        int bar;
    } steps[] = {
        {IDM_FULL_SCREEN, {0, -26, 240, 320}, false, true, true, 0},
        {IDM_FULL_SCREEN, {0, 26, 240, 294}, true, false, true, IDR_BAR_VIEW},
        {IDM_TITLE_BAR, {0, 0, 240, 294}, false, false, false, IDR_BAR_VIEW},
        {IDM_FULL_SCREEN, {0, -26, 240, 320}, false, true, false, 0},
        {IDM_FULL_SCREEN, {0, 0, 240, 294}, false, false, false, IDR_BAR_VIEW},
        {IDM_TITLE_BAR, {0, 26, 240, 294}, true, false, true, IDR_BAR_VIEW},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << s.command << " to " << s.window.top);
        dev().command(s.command);
        dev().processPending();
        EXPECT_EQ(WindowRect(window_), s.window);
        EXPECT_EQ(dev().taskBarShown(), s.taskBar);
        EXPECT_EQ(OverlaysShown(), s.overlays);
        EXPECT_EQ(TitleBarChecked(), s.titleChecked);
        EXPECT_EQ(ShownBar(), s.bar);
    }
    // The picture is centred on the whole screen in full screen, and below
    // the task bar again afterwards.
    dev().command(IDM_FULL_SCREEN);
    dev().processPending();
    EXPECT_EQ(ScreenPixel(120, 160), QColor(128, 128, 128));
    EXPECT_EQ(ScreenPixel(120, 140), QColor(Qt::white));
}

TEST_F(ViewModesTest, FullScreenNeedsAPictureOnTheViewScreenAndNoTransition) {
    dev().command(IDM_FULL_SCREEN);  // browsing
    EXPECT_EQ(viewState.fullScreen, 0);
    View(Picture(40, 20, Grey));
    viewState.effectRunning = 1;
    dev().command(IDM_FULL_SCREEN);
    EXPECT_EQ(viewState.fullScreen, 0);
    EXPECT_TRUE(dev().taskBarShown());
    viewState.effectRunning = 0;
    dev().command(IDM_FULL_SCREEN);
    EXPECT_EQ(viewState.fullScreen, 1);
    viewState.effectRunning = 1;  // leaving is always possible
    dev().command(IDM_FULL_SCREEN);
    EXPECT_EQ(viewState.fullScreen, 0);
}

TEST_F(ViewModesTest, EnteringFullScreenKeepsTheVerticalOffsetOnThePicture) {
    View(Picture(100, 200, Grey));
    viewState.zoom = 2.0f;
    viewState.yOffset = 130;  // the bottom edge on a 268-pixel view
    dev().command(IDM_FULL_SCREEN);
    EXPECT_EQ(viewState.yOffset, 80);
}

TEST_F(ViewModesTest, DoubleTapsAndTheStylusInFullScreen) {
    dev().doubleTap(120, 200);  // browsing: nothing
    dev().processPending();
    EXPECT_EQ(viewState.fullScreen, 0);
    View(Picture(40, 20, Grey));
    dev().advance(1000);
    dev().doubleTap(120, 200);
    dev().processPending();
    ASSERT_EQ(viewState.fullScreen, 1);
    ASSERT_TRUE(OverlaysShown());
    // The stylus on the picture hides the overlay buttons until it is lifted.
    dev().advance(1000);
    dev().stylusDown(120, 160);
    EXPECT_FALSE(OverlaysShown());
    EXPECT_EQ(shell.panning, 1);
    dev().stylusUp(120, 160);
    EXPECT_TRUE(OverlaysShown());
    EXPECT_EQ(shell.panning, 0);
    // A double tap in full screen stays there; the overlay button leaves.
    dev().advance(1000);
    dev().doubleTap(120, 160);
    dev().processPending();
    EXPECT_EQ(viewState.fullScreen, 1);
    gdi::RECT leave = WindowRect(Child(kIdLeaveFullScreen));
    dev().advance(1000);
    dev().tap((leave.left + leave.right) / 2, (leave.top + leave.bottom) / 2);
    dev().processPending();
    EXPECT_EQ(viewState.fullScreen, 0);
    EXPECT_EQ(ShownBar(), IDR_BAR_VIEW);
}

TEST_F(ViewModesTest, HidingTheTitleBarWhileBrowsingGivesTheChildrenItsPixels) {
    dev().command(IDM_TITLE_BAR);
    dev().processPending();
    EXPECT_EQ(WindowRect(window_), (gdi::RECT{0, 0, 240, 294}));
    EXPECT_FALSE(dev().taskBarShown());
    EXPECT_EQ(shell.viewRect.bottom, 294);
    EXPECT_EQ(ShownBar(), IDR_BAR_REPORT);
    // Activation changes keep the task bar hidden.
    device::SendMessage(window_, device::WM_ACTIVATE, device::WA_ACTIVE, 0);
    EXPECT_FALSE(dev().taskBarShown());
    dev().command(IDM_TITLE_BAR);
    EXPECT_EQ(WindowRect(window_), (gdi::RECT{0, 26, 240, 294}));
    EXPECT_TRUE(dev().taskBarShown());
}

// Any activation change leaves full screen for the view's usual place, even
// when the title bar was hidden before.
TEST_F(ViewModesTest, ActivationLeavesFullScreenForTheViewsPlace) {
    View(Picture(40, 20, Grey));
    for (bool hideTitleFirst : {false, true}) {
        SCOPED_TRACE(hideTitleFirst);
        if (hideTitleFirst) dev().command(IDM_TITLE_BAR);
        dev().command(IDM_FULL_SCREEN);
        ASSERT_EQ(viewState.fullScreen, 1);
        device::SendMessage(window_, device::WM_ACTIVATE, device::WA_INACTIVE, 0);
        EXPECT_EQ(viewState.fullScreen, 0);
        EXPECT_EQ(viewState.titleBarHidden, 0);
        EXPECT_EQ(WindowRect(window_), (gdi::RECT{0, 26, 240, 294}));
        EXPECT_TRUE(dev().taskBarShown());
        EXPECT_FALSE(OverlaysShown());
    }
}

// Before a dialog the title bar comes back, the view re-centred.
TEST_F(ViewModesTest, RestoringTheTitleBarBringsBackTheTaskBarAndRecentres) {
    View(Picture(100, 600, Grey));
    RestoreTitleBar(window_);  // shown already: nothing moves
    EXPECT_EQ(WindowRect(window_), (gdi::RECT{0, 26, 240, 294}));
    dev().command(IDM_TITLE_BAR);
    viewState.yOffset = 300;
    RestoreTitleBar(window_);
    EXPECT_EQ(viewState.titleBarHidden, 0);
    EXPECT_EQ(WindowRect(window_), (gdi::RECT{0, 26, 240, 294}));
    EXPECT_TRUE(dev().taskBarShown());
    EXPECT_TRUE(TitleBarChecked());
    EXPECT_EQ(viewState.yOffset, 140);  // the middle of 600 rows on the 320-row screen
}

TEST_F(ViewModesTest, BackToBrowsingShowsTheBrowseScreenAndFreesThePicture) {
    View(Picture(40, 20, Grey));
    shell.viewBarBits = 2;
    dev().command(IDM_BACK_TO_BROWSE);
    dev().processPending();
    EXPECT_EQ(shell.browseMode, 1);
    EXPECT_EQ(device::GetWindowText(window_), u"Ezo");
    EXPECT_EQ(viewState.imageLoaded, 0);
    EXPECT_FALSE(viewState.currentImage);
    EXPECT_EQ(shell.viewBarBits, 2);
    EXPECT_EQ(ShownBar(), IDR_BAR_REPORT);
    EXPECT_TRUE(Shown(shell.tree));
    EXPECT_TRUE(Shown(shell.noImages));  // no rows
    EXPECT_FALSE(Shown(shell.fileList));
    EXPECT_TRUE(Shown(Child(kIdSplitTreeHidden)));
    EXPECT_TRUE(Shown(Child(kIdSplitFilesHidden)));
    EXPECT_FALSE(Shown(Child(kIdSplitMiddle)));
    EXPECT_EQ(dev().beepCount(), 0);
}

TEST_F(ViewModesTest, BackToBrowsingIsRefusedWithABeep) {
    struct Case {
        const char* name;
        bool viewing;
        int slideShow, effect;
    } cases[] = {
        {"already browsing", false, 0, 0},
        {"slide show", true, 1, 0},
        {"transition", true, 0, 1},
    };
    int beeps = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.viewing) View(Picture(40, 20, Grey));
        shell.slideShowRunning = c.slideShow;
        viewState.effectRunning = c.effect;
        dev().command(IDM_BACK_TO_BROWSE);
        EXPECT_EQ(dev().beepCount(), ++beeps);
        EXPECT_EQ(shell.browseMode, c.viewing ? 0 : 1);
        EXPECT_EQ(viewState.imageLoaded, c.viewing ? 1 : 0);
    }
}

TEST_F(ViewModesTest, HardwareKeysActOnlyWhileViewing) {
    // The default map: Key1 LandScape, Key2 FullScreen.
    dev().appKey(2);
    dev().processPending();
    EXPECT_EQ(viewState.fullScreen, 0);
    View(Picture(40, 20, Grey));
    dev().appKey(2);
    dev().processPending();
    EXPECT_EQ(viewState.fullScreen, 1);
    dev().appKey(2);
    dev().processPending();
    EXPECT_EQ(viewState.fullScreen, 0);
    dev().appKey(1);
    dev().processPending();
    EXPECT_EQ(viewState.landscapeMode, 1);
    EXPECT_TRUE(controls::GetMenuState(shell.toolMenus[0], IDM_LANDSCAPE, controls::MF_BYCOMMAND) &
                controls::MF_CHECKED);
    // An action that is no action does nothing.
    settings.keyActions[4] = 9;
    dev().appKey(5);
    dev().processPending();
    EXPECT_EQ(dev().beepCount(), 0);
    EXPECT_TRUE(device::IsWindow(window_));
}

TEST_F(ViewModesTest, TheQuitKeyEndsTheProgramAfterSavingTheSettings) {
    View(Picture(40, 20, Grey));
    settings.slideSeconds = 9;
    dev().appKey(4);  // Key4 is Quit by default
    dev().processPending();
    EXPECT_FALSE(device::IsWindow(window_));
    EXPECT_EQ(dev().quitCode(), 0);
    EXPECT_NE(RegistryText().find("\"Slide\"=dword:00000009"), std::string::npos) << RegistryText();
}

TEST_F(ViewModesTest, ArrowKeysBeepWhereNoPictureFollows) {
    struct Case {
        const char* name;
        uint32_t key;
        bool viewing;
        int slideShow;
        int beeps;
    } cases[] = {
        {"left while browsing", device::VK_LEFT, false, 0, 1},
        {"down while browsing", device::VK_DOWN, false, 0, 1},
        {"up during a slide show", device::VK_UP, true, 1, 1},
        {"right with no next picture", device::VK_RIGHT, true, 0, 1},
        {"left with no previous picture", device::VK_LEFT, true, 0, 1},
        {"another key", device::VK_RETURN, true, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        shell.browseMode = c.viewing ? 0 : 1;
        viewState.imageLoaded = c.viewing ? 1 : 0;
        shell.slideShowRunning = c.slideShow;
        const int before = dev().beepCount();
        ASSERT_TRUE(dev().virtualKey(c.key));
        dev().processPending();
        EXPECT_EQ(dev().beepCount() - before, c.beeps);
    }
}

}  // namespace
}  // namespace modes_test

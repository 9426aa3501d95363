// The view screen's switches on the real main window: full screen, the
// title bar, back to browsing, hardware keys and the stylus.
#include "modes_fixture.h"
#include "platform/controls/menu.h"
#include "platform/device/messages.h"

namespace modes_test {
namespace {

constexpr uint16_t kActivate = 1, kDeactivate = 2;  // activation changes instead of a command

class ViewModesTest : public ModesTest {
protected:
    bool OverlaysShown() const {
        int shown = 0;
        for (int id : {kIdLeaveFullScreen, kIdOverlayZoomIn, kIdOverlayZoomOut, kIdOverlayFit}) shown += Shown(Child(id));
        EXPECT_TRUE(shown == 0 || shown == 4) << shown;
        return shown == 4;
    }
};

// The first three steps browse, the rest view. Leaving the program, even
// for a moment, leaves full screen for the view's usual place (bar -1: the
// bars are not checked).
TEST_F(ViewModesTest, FullScreenTitleBarAndActivationMoveTheWindowAndTheTaskBar) {
    struct Step { uint16_t command; gdi::RECT window; bool taskBar, overlays, titleChecked; int bar; } steps[] = {
        {IDM_TITLE_BAR, {0, 0, 240, 294}, false, false, false, IDR_BAR_REPORT},
        {kActivate, {0, 0, 240, 294}, false, false, false, IDR_BAR_REPORT},
        {IDM_TITLE_BAR, {0, 26, 240, 294}, true, false, true, IDR_BAR_REPORT},
        {IDM_FULL_SCREEN, {0, -26, 240, 320}, false, true, true, 0},
        {IDM_FULL_SCREEN, {0, 26, 240, 294}, true, false, true, IDR_BAR_VIEW},
        {IDM_TITLE_BAR, {0, 0, 240, 294}, false, false, false, IDR_BAR_VIEW},
        {IDM_FULL_SCREEN, {0, -26, 240, 320}, false, true, false, 0},
        {IDM_FULL_SCREEN, {0, 0, 240, 294}, false, false, false, IDR_BAR_VIEW},
        {IDM_FULL_SCREEN, {0, -26, 240, 320}, false, true, false, 0},
        {kDeactivate, {0, 26, 240, 294}, true, false, true, -1},
        {IDM_FULL_SCREEN, {0, -26, 240, 320}, false, true, true, 0},
        {kDeactivate, {0, 26, 240, 294}, true, false, true, -1},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << "step " << &s - steps);
        if (&s == &steps[3]) View(40, 20);
        if (s.command > kDeactivate) Command(s.command);
        else
            device::SendMessage(window_, device::WM_ACTIVATE, s.command == kActivate ? device::WA_ACTIVE : device::WA_INACTIVE, 0);
        EXPECT_EQ(WindowRect(window_), s.window);
        EXPECT_EQ(program().viewState.fullScreen, int(s.overlays));
        EXPECT_EQ(program().viewState.titleBarHidden, int(!s.titleChecked));
        EXPECT_EQ(dev().taskBarShown(), s.taskBar);
        EXPECT_EQ(OverlaysShown(), s.overlays);
        EXPECT_EQ(MenusChecked(IDM_TITLE_BAR), s.titleChecked);
        if (s.bar >= 0) EXPECT_EQ(ShownBar(), s.bar);
    }
    // The picture is centred on the whole screen in full screen.
    Command(IDM_FULL_SCREEN);
    EXPECT_EQ(ScreenPixel(120, 160), kGrey);
    EXPECT_EQ(ScreenPixel(120, 140), gdi::RGB(255, 255, 255));
}

// Full screen by command, key or double tap needs a picture on the view
// screen and no transition; leaving is always possible.
TEST_F(ViewModesTest, FullScreenNeedsAPictureOnTheViewScreenAndNoTransition) {
    const std::function<void()> ways[] = {
        [&] { Command(IDM_FULL_SCREEN); },
        [&] { dev().appKey(2), dev().processPending(); },  // Key2 is full screen by default
        [&] { dev().advance(1000), dev().doubleTap(120, 200), dev().processPending(); },
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(&way - ways);
        TearDown();
        SetUp();
        way();  // browsing
        EXPECT_EQ(program().viewState.fullScreen, 0);
        View(40, 20);
        program().viewState.effectRunning = 1;
        way();
        EXPECT_EQ(program().viewState.fullScreen, 0);
        EXPECT_TRUE(dev().taskBarShown());
        program().viewState.effectRunning = 0;
        way();
        EXPECT_EQ(program().viewState.fullScreen, 1);
    }
    program().viewState.effectRunning = 1;
    Command(IDM_FULL_SCREEN);
    EXPECT_EQ(program().viewState.fullScreen, 0);
}

// The view grows to 320 rows: the offset goes no further than the zoomed
// picture allows, and never below 0.
TEST_F(ViewModesTest, EnteringFullScreenKeepsTheVerticalOffsetOnThePicture) {
    struct Case { int32_t pictureHeight; float zoom; int32_t yOffset, expected; } cases[] = {
        {200, 2.0f, 130, 80},  // the bottom edge on a 268-row view
        {200, 2.0f, 50, 50},   // already inside
        {200, 1.0f, 30, 0},    // the picture fits the screen
        {901, 0.5f, 200, 130},  // 450.5 - 320, truncated
    };
    ViewState& v = program().viewState;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.yOffset);
        View(100, c.pictureHeight);
        v.zoom = c.zoom;
        v.yOffset = c.yOffset;
        Command(IDM_FULL_SCREEN);
        EXPECT_EQ(v.yOffset, c.expected);
        Command(IDM_FULL_SCREEN);
    }
}

// The stylus on the picture hides the overlay buttons until it is lifted;
// the bar that comes back follows the fit button as the overlay left it.
TEST_F(ViewModesTest, TheOverlayButtonsWorkInFullScreen) {
    View(40, 20);
    const ViewState& v = program().viewState;
    Command(IDM_FULL_SCREEN);
    dev().advance(1000);
    dev().stylusDown(120, 160);
    EXPECT_FALSE(OverlaysShown());
    EXPECT_EQ(program().shell.panning, 1);
    dev().stylusUp(120, 160);
    EXPECT_TRUE(OverlaysShown());
    EXPECT_EQ(program().shell.panning, 0);
    dev().advance(1000);
    dev().doubleTap(120, 160);  // a double tap leaves full screen to the overlay button
    dev().processPending();
    EXPECT_EQ(v.fullScreen, 1);
    TapChild(kIdOverlayZoomIn);
    EXPECT_FLOAT_EQ(v.zoom, 1.5f);
    TapChild(kIdOverlayFit);
    EXPECT_EQ(v.fitToggle + v.fitButtonOn, 2);
    TapChild(kIdLeaveFullScreen);
    EXPECT_EQ(v.fullScreen, 0);
    EXPECT_EQ(ShownBar(), IDR_BAR_VIEW_FIT);
}

TEST_F(ViewModesTest, BackToBrowsingIsRefusedWithABeepOrFreesThePicture) {
    Program& p = program();

    struct Case { bool viewing; int slideShow, effect; } refused[] = {{false, 0, 0}, {true, 1, 0}, {true, 0, 1}};  // browsing, slide show, transition
    for (const Case& c : refused) {
        SCOPED_TRACE(&c - refused);
        if (c.viewing) View(40, 20);
        p.shell.slideShowRunning = c.slideShow;
        p.viewState.effectRunning = c.effect;
        Command(IDM_BACK_TO_BROWSE);
        EXPECT_EQ(dev().beepCount(), &c - refused + 1);
        EXPECT_EQ(p.shell.browseMode + p.viewState.imageLoaded, 1);
    }
    p.shell.slideShowRunning = p.viewState.effectRunning = 0;
    p.shell.viewBarBits = 2;
    Command(IDM_BACK_TO_BROWSE);
    EXPECT_EQ(dev().beepCount(), 3);
    EXPECT_EQ(p.shell.browseMode, 1);
    EXPECT_EQ(device::GetWindowText(window_), u"Ezo");
    EXPECT_EQ(p.viewState.imageLoaded, 0);
    EXPECT_FALSE(p.viewState.currentImage);
    EXPECT_EQ(p.shell.viewBarBits, 2);
    EXPECT_EQ(ShownBar(), IDR_BAR_REPORT);
    EXPECT_TRUE(Shown(p.shell.tree));
    EXPECT_TRUE(Shown(p.shell.noImages));  // no rows
}

// The default map: Key1 landscape, Key3 starts and stops the slide show, Key4
// quits; the keys wait for a picture on view, and an action that is no
// action does nothing.
TEST_F(ViewModesTest, HardwareKeysRunTheirActions) {
    const Program& p = program();
    const auto key = [this](int n) { dev().appKey(n), dev().processPending(); };
    key(4);  // Quit, but only with a picture on view
    ASSERT_TRUE(device::IsWindow(window_));
    View(40, 20);
    key(1);
    EXPECT_EQ(p.viewState.landscapeMode, 1);
    EXPECT_TRUE(MenusChecked(IDM_LANDSCAPE));
    key(3);
    EXPECT_EQ(p.shell.slideShowRunning, 1);
    key(3);
    EXPECT_EQ(p.shell.slideShowRunning, 0);
    program().settings.keyActions[4] = 9;
    key(5);
    EXPECT_EQ(dev().beepCount(), 0);
    EXPECT_TRUE(device::IsWindow(window_));
}

}  // namespace
}  // namespace modes_test

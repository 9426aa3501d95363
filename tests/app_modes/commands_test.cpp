// The command table on the real main window: flips, turns, refresh, zoom and
// fit, the overlay buttons, beeps, browse views and split presets.
#include "modes_fixture.h"

#include <vector>

#include <QPoint>

#include "app/resource_ids.h"
#include "app/shell/shell_state.h"
#include "image/view_state.h"
#include "platform/controls/list_view.h"

namespace modes_test {
namespace {

using namespace ezo;

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

// Red on top, blue below, or red on the left, blue on the right.
QColor TopRed(int, int y) { return y < 10 ? kRed : kBlue; }
QColor LeftRed(int x, int) { return x < 20 ? kRed : kBlue; }

class CommandsTest : public ModesTest {
protected:
    void Command(uint16_t id) {
        dev().command(id);
        dev().processPending();
    }
    void TapChild(int id) {
        gdi::RECT r = WindowRect(Child(id));
        dev().advance(1000);
        dev().tap((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        dev().processPending();
    }
};

// A 40 x 20 picture is centred at screen x 100..139 and y 150..169; after
// a quarter turn the 20 x 40 picture lies at x 110..129, y 140..179.
TEST_F(CommandsTest, FlipsAndTurnsShowOnTheScreen) {
    struct Case {
        const char* name;
        QColor (*picture)(int, int);
        std::vector<uint16_t> commands;
        QPoint first, second;  // where red and then blue show
    } cases[] = {
        {"as it is", LeftRed, {}, {105, 160}, {135, 160}},
        {"mirrored", LeftRed, {IDM_FLIP_HORIZONTAL}, {135, 160}, {105, 160}},
        {"mirrored twice", LeftRed, {IDM_FLIP_HORIZONTAL, IDM_FLIP_HORIZONTAL}, {105, 160}, {135, 160}},
        {"upside down", TopRed, {IDM_FLIP_VERTICAL}, {120, 167}, {120, 152}},
        {"turned right", TopRed, {IDM_ROTATE_RIGHT}, {127, 160}, {113, 160}},
        {"turned left", TopRed, {IDM_ROTATE_LEFT}, {113, 160}, {127, 160}},
        {"refreshed after a flip", LeftRed, {IDM_FLIP_HORIZONTAL, IDM_REFRESH}, {105, 160}, {135, 160}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        viewState.flipBits = 0;
        View(Picture(40, 20, c.picture));
        for (uint16_t id : c.commands) Command(id);
        EXPECT_EQ(ScreenPixel(c.first.x(), c.first.y()), kRed);
        EXPECT_EQ(ScreenPixel(c.second.x(), c.second.y()), kBlue);
    }
}

TEST_F(CommandsTest, PictureCommandsWaitForTheViewScreen) {
    for (uint16_t id : {IDM_FLIP_HORIZONTAL, IDM_FLIP_VERTICAL, IDM_ZOOM_IN, IDM_ZOOM_OUT, IDM_FIT,
                        IDM_LANDSCAPE, uint16_t(IDC_OVERLAY_ZOOM_IN), uint16_t(IDC_OVERLAY_FIT)})
        Command(id);
    EXPECT_EQ(viewState.flipBits, 0);
    EXPECT_EQ(viewState.zoom, 1.0f);
    EXPECT_EQ(viewState.fitToggle, 0);
    EXPECT_EQ(viewState.landscapeMode, 0);
    EXPECT_EQ(shell.viewBarBits, 0);
    EXPECT_EQ(ShownBar(), IDR_BAR_REPORT);
    EXPECT_EQ(dev().beepCount(), 0);
}

TEST_F(CommandsTest, ZoomAndFitFollowTheirButtonsAndWaitForTransitions) {
    View(Picture(40, 20, LeftRed));
    struct Step {
        uint16_t command;
        int effect;
        float zoom;
        int fit, bar;
    } steps[] = {
        {IDM_ZOOM_IN, 0, 1.5f, 0, IDR_BAR_VIEW},
        {IDM_ZOOM_OUT, 0, 1.0f, 0, IDR_BAR_VIEW},
        {uint16_t(IDC_OVERLAY_ZOOM_IN), 0, 1.5f, 0, IDR_BAR_VIEW},
        {uint16_t(IDC_OVERLAY_ZOOM_OUT), 0, 1.0f, 0, IDR_BAR_VIEW},
        {IDM_ZOOM_IN, 1, 1.0f, 0, IDR_BAR_VIEW},
        {IDM_FIT, 1, 1.0f, 0, IDR_BAR_VIEW},
        {IDM_FIT, 0, 6.0f, 1, IDR_BAR_VIEW_FIT},  // 40 wide fitted to 240
        {IDM_ACTUAL_SIZE, 0, 1.0f, 0, IDR_BAR_VIEW},
        {IDM_ZOOM_IN, 0, 1.5f, 0, IDR_BAR_VIEW},
        {IDM_FIT, 0, 6.0f, 1, IDR_BAR_VIEW_FIT},
        {IDM_REFRESH, 0, 1.0f, 0, IDR_BAR_VIEW},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.command);
        viewState.effectRunning = s.effect;
        Command(s.command);
        EXPECT_FLOAT_EQ(viewState.zoom, s.zoom);
        EXPECT_EQ(viewState.fitToggle, s.fit);
        EXPECT_EQ(viewState.fitButtonOn, s.fit);
        EXPECT_EQ(ShownBar(), s.bar);
    }
}

// Refresh from a zoomed-in corner keeps the view on the picture.
TEST_F(CommandsTest, RefreshKeepsTheViewOnThePicture) {
    View(Picture(600, 800, [](int, int) { return QColor(0, 128, 0); }));
    viewState.zoom = 2.0f;
    viewState.xOffset = 960;  // the bottom right corner at zoom 2
    viewState.yOffset = 1332;
    Command(IDM_REFRESH);
    EXPECT_EQ(viewState.zoom, 1.0f);
    EXPECT_GE(viewState.xOffset, 0);
    EXPECT_LE(viewState.xOffset, 600 - 240);
    EXPECT_GE(viewState.yOffset, 0);
    EXPECT_LE(viewState.yOffset, 800 - 268);
    for (QPoint p : {QPoint(1, 27), QPoint(238, 27), QPoint(1, 292), QPoint(238, 292)})
        EXPECT_EQ(ScreenPixel(p.x(), p.y()), QColor(0, 128, 0)) << p.x() << "," << p.y();
}

TEST_F(CommandsTest, TheOverlayButtonsWorkInFullScreen) {
    View(Picture(40, 20, LeftRed));
    Command(IDM_FULL_SCREEN);
    TapChild(kIdOverlayZoomIn);
    EXPECT_FLOAT_EQ(viewState.zoom, 1.5f);
    TapChild(kIdOverlayFit);
    EXPECT_EQ(viewState.fitToggle, 1);
    EXPECT_EQ(viewState.fitButtonOn, 1);
    TapChild(kIdLeaveFullScreen);
    EXPECT_EQ(ShownBar(), IDR_BAR_VIEW_FIT);
    // Fit switched off on the overlay: the bar that comes back says so.
    Command(IDM_FULL_SCREEN);
    TapChild(kIdOverlayFit);
    EXPECT_EQ(viewState.fitToggle, 0);
    EXPECT_EQ(viewState.fitButtonOn, 0);
    TapChild(kIdLeaveFullScreen);
    EXPECT_EQ(viewState.fullScreen, 0);
    EXPECT_EQ(ShownBar(), IDR_BAR_VIEW);
}

TEST_F(CommandsTest, NextAndPreviousBeepWhenNothingFollows) {
    struct Case {
        const char* name;
        uint16_t command;
        int slideShow;
    } cases[] = {
        {"next, none", IDM_NEXT, 0},
        {"previous, none", IDM_PREVIOUS, 0},
        {"next during a slide show", IDM_NEXT, 1},
        {"previous during a slide show", IDM_PREVIOUS, 1},
    };
    View(Picture(40, 20, LeftRed));
    int beeps = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        shell.slideShowRunning = c.slideShow;
        Command(c.command);
        EXPECT_EQ(dev().beepCount(), ++beeps);
        EXPECT_EQ(viewState.imageLoaded, 1);
    }
}

TEST_F(CommandsTest, BrowseViewsSwitchBarsWindowsAndListStyle) {
    Command(IDM_TO_THUMBNAILS);  // an empty folder stays as it is
    EXPECT_EQ(shell.BrowseView, Report);
    EXPECT_EQ(ShownBar(), IDR_BAR_REPORT);
    shell.rowCount = 2;
    device::ShowWindow(shell.noImages, device::SW_HIDE);
    device::ShowWindow(shell.fileList, device::SW_SHOW);
    shell.thumbRestartPending = 1;
    struct Step {
        uint16_t command;
        int view, bar;
        bool grid;
        uint32_t listType;
    } steps[] = {
        {IDM_TO_THUMBNAILS, Thumbnails, IDR_BAR_THUMBNAILS, true, controls::LVS_REPORT},
        {IDM_TO_LIST, List, IDR_BAR_LIST, false, controls::LVS_LIST},
        {IDM_TO_REPORT, Report, IDR_BAR_REPORT, false, controls::LVS_REPORT},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.command);
        Command(s.command);
        EXPECT_EQ(shell.BrowseView, s.view);
        EXPECT_EQ(ShownBar(), s.bar);
        EXPECT_EQ(Shown(shell.thumbGrid), s.grid);
        EXPECT_EQ(Shown(shell.fileList), !s.grid);
        EXPECT_EQ(shell.thumbViewActive, s.grid ? 1 : 0);
        EXPECT_EQ(device::GetWindowStyle(shell.fileList) & controls::LVS_TYPEMASK, s.listType);
        EXPECT_TRUE(device::GetWindowStyle(shell.fileList) & controls::LVS_SHOWSELALWAYS);
    }
    EXPECT_EQ(shell.thumbRestartPending, 0);
}

TEST_F(CommandsTest, SplitButtonsMoveTheSeparatorToTheirPresets) {
    struct Step {
        int tapped;
        int titleHidden;
        int32_t split;
        int hidden, bits;
    } steps[] = {
        {kIdSplitTreeHidden, 0, -1, kIdSplitTreeHidden, 6},
        {kIdSplitMiddle, 0, 120, kIdSplitMiddle, 3},
        {kIdSplitFilesHidden, 0, 260, kIdSplitFilesHidden, 5},
        {kIdSplitMiddle, 1, 120, kIdSplitMiddle, 3},
        {kIdSplitFilesHidden, 1, 286, kIdSplitFilesHidden, 5},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.tapped);
        if (s.titleHidden != viewState.titleBarHidden) Command(IDM_TITLE_BAR);
        TapChild(s.tapped);
        EXPECT_EQ(shell.separatorRect.top, s.split);
        EXPECT_EQ(shell.separatorRect.bottom, s.split + 9);
        EXPECT_EQ(shell.splitButtonBits, s.bits);
        for (int id : {kIdSplitTreeHidden, kIdSplitMiddle, kIdSplitFilesHidden}) {
            EXPECT_EQ(Shown(Child(id)), id != s.hidden) << id;
            EXPECT_EQ(Child(id)->data().rect.top, s.split + 1) << id;
        }
    }
    // The middle preset on a 268-pixel client.
    Command(IDM_TITLE_BAR);
    TapChild(kIdSplitMiddle);
    EXPECT_EQ(shell.tree->data().rect, (gdi::RECT{0, 0, 240, 121}));
    EXPECT_EQ(shell.fileList->data().rect, (gdi::RECT{0, 129, 240, 129 + 114}));
    EXPECT_EQ(shell.listAreaHeight, 115);
    EXPECT_DOUBLE_EQ(shell.splitRatio, 120.0 / 268.0);
    EXPECT_EQ(Child(kIdSplitTreeHidden)->data().rect, (gdi::RECT{8, 121, 15, 128}));
    EXPECT_EQ(Child(kIdSplitFilesHidden)->data().rect, (gdi::RECT{32, 121, 39, 128}));
}

}  // namespace
}  // namespace modes_test

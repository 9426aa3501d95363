// The command table on the real main window: flips, turns, refresh, zoom and
// fit, the overlay buttons, beeps, browse views and split presets.
#include <vector>

#include "modes_fixture.h"
#include "platform/controls/list_view.h"

namespace modes_test {
namespace {

// Red on top, blue below, or red on the left, blue on the right.
COLORREF TopRed(int, int y) { return y < 10 ? kRed : kBlue; }
COLORREF LeftRed(int x, int) { return x < 20 ? kRed : kBlue; }

using CommandsTest = ModesTest;

// A 40 x 20 picture is centred at screen x 100..139 and y 150..169; after
// a quarter turn the 20 x 40 picture lies at x 110..129, y 140..179.
TEST_F(CommandsTest, FlipsAndTurnsShowOnTheScreen) {
    struct Case { const char* name; COLORREF (*picture)(int, int); std::vector<uint16_t> commands; gdi::POINT red, blue; } cases[] = {
        {"mirrored", LeftRed, {IDM_FLIP_HORIZONTAL}, {135, 160}, {105, 160}},
        {"upside down", TopRed, {IDM_FLIP_VERTICAL}, {120, 167}, {120, 152}},
        {"turned right", TopRed, {IDM_ROTATE_RIGHT}, {127, 160}, {113, 160}},
        {"turned left", TopRed, {IDM_ROTATE_LEFT}, {113, 160}, {127, 160}},
        {"refreshed after a flip", LeftRed, {IDM_FLIP_HORIZONTAL, IDM_REFRESH}, {105, 160}, {135, 160}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        program().viewState.flipBits = 0;
        View(40, 20, c.picture);
        for (uint16_t id : c.commands) Command(id);
        EXPECT_EQ(ScreenPixel(c.red.x, c.red.y), kRed);
        EXPECT_EQ(ScreenPixel(c.blue.x, c.blue.y), kBlue);
    }
}

TEST_F(CommandsTest, PictureCommandsWaitForTheViewScreen) {
    for (uint16_t id : {IDM_FLIP_HORIZONTAL, IDM_FLIP_VERTICAL, IDM_ZOOM_IN, IDM_ZOOM_OUT, IDM_FIT,
                        IDM_LANDSCAPE, uint16_t(IDC_OVERLAY_ZOOM_IN), uint16_t(IDC_OVERLAY_FIT)})
        Command(id);
    const ViewState& v = program().viewState;
    EXPECT_EQ(v.flipBits + v.fitToggle + v.landscapeMode + program().shell.viewBarBits, 0);
    EXPECT_EQ(v.zoom, 1.0f);
    EXPECT_EQ(ShownBar(), IDR_BAR_REPORT);
    EXPECT_EQ(dev().beepCount(), 0);
}

TEST_F(CommandsTest, ZoomAndFitFollowTheirButtonsAndWaitForTransitions) {
    View(40, 20, LeftRed);
    ViewState& v = program().viewState;
    struct Step { uint16_t command; int effect; float zoom; int fit, bar; } steps[] = {
        {IDM_ZOOM_IN, 0, 1.5f, 0, IDR_BAR_VIEW},
        {IDM_ZOOM_OUT, 0, 1.0f, 0, IDR_BAR_VIEW},
        {IDM_ZOOM_IN, 1, 1.0f, 0, IDR_BAR_VIEW},
        {IDM_FIT, 1, 1.0f, 0, IDR_BAR_VIEW},
        {IDM_FIT, 0, 6.0f, 1, IDR_BAR_VIEW_FIT},  // 40 wide fitted to 240
        {IDM_ACTUAL_SIZE, 0, 1.0f, 0, IDR_BAR_VIEW},
        {IDM_FIT, 0, 6.0f, 1, IDR_BAR_VIEW_FIT},
        {IDM_REFRESH, 0, 1.0f, 0, IDR_BAR_VIEW},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.command);
        v.effectRunning = s.effect;
        Command(s.command);
        EXPECT_FLOAT_EQ(v.zoom, s.zoom);
        EXPECT_EQ(v.fitToggle, s.fit);
        EXPECT_EQ(v.fitButtonOn, s.fit);
        EXPECT_EQ(ShownBar(), s.bar);
    }
}

// Refresh from a zoomed-in corner keeps the view on the picture.
TEST_F(CommandsTest, RefreshKeepsTheViewOnThePicture) {
    const COLORREF green = gdi::RGB(0, 128, 0);
    View(600, 800, [&](int, int) { return green; });
    ViewState& v = program().viewState;
    v.zoom = 2.0f;
    v.xOffset = 960, v.yOffset = 1332;  // the bottom right corner at zoom 2
    Command(IDM_REFRESH);
    EXPECT_EQ(v.zoom, 1.0f);
    EXPECT_TRUE(v.xOffset >= 0 && v.xOffset <= 600 - 240) << v.xOffset;
    EXPECT_TRUE(v.yOffset >= 0 && v.yOffset <= 800 - 268) << v.yOffset;
    for (gdi::POINT p : {gdi::POINT{1, 27}, gdi::POINT{238, 27}, gdi::POINT{1, 292}, gdi::POINT{238, 292}})
        EXPECT_EQ(ScreenPixel(p.x, p.y), green) << p.x << "," << p.y;
}

// Next and previous, by command or arrow key, beep whenever no picture can
// follow; the picture on view stays.
TEST_F(CommandsTest, StepsBeepWhereNoPictureFollows) {
    // A command, or 0 and a key.
    struct Case { const char* name; uint16_t command; uint32_t key; bool viewing; int slideShow, beeps; } cases[] = {
        {"next, none", IDM_NEXT, 0, true, 0, 1},
        {"next during a slide show", IDM_NEXT, 0, true, 1, 1},
        {"left while browsing", 0, device::VK_LEFT, false, 0, 1},
        {"up during a slide show", 0, device::VK_UP, true, 1, 1},
        {"right with no next picture", 0, device::VK_RIGHT, true, 0, 1},
        {"previous, none", IDM_PREVIOUS, 0, true, 0, 1},
        {"another key", 0, device::VK_RETURN, true, 0, 0},
    };
    View(40, 20, LeftRed);
    Program& p = program();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        p.shell.browseMode = c.viewing ? 0 : 1;
        p.shell.slideShowRunning = c.slideShow;
        const int before = dev().beepCount();
        if (c.command) Command(c.command);
        else ASSERT_TRUE(dev().virtualKey(c.key));
        dev().processPending();
        EXPECT_EQ(dev().beepCount() - before, c.beeps);
        EXPECT_EQ(p.viewState.imageLoaded, 1);
    }
}

TEST_F(CommandsTest, BrowseViewsSwitchBarsWindowsAndListStyle) {
    Shell& shell = program().shell;
    Command(IDM_TO_THUMBNAILS);  // an empty folder stays as it is
    EXPECT_EQ(shell.BrowseView, Report);
    EXPECT_EQ(ShownBar(), IDR_BAR_REPORT);
    shell.rowCount = 2;
    device::ShowWindow(shell.noImages, device::SW_HIDE);
    device::ShowWindow(shell.fileList, device::SW_SHOW);
    shell.thumbRestartPending = 1;
    struct Step { uint16_t command; int view, bar; bool grid; uint32_t listType; } steps[] = {
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

// The tapped button hides; the other two sit on the separator's row, the
// hidden one under one of them.
TEST_F(CommandsTest, SplitButtonsMoveTheSeparatorToTheirPresets) {
    const Shell& shell = program().shell;
    const int ids[] = {kIdSplitTreeHidden, kIdSplitMiddle, kIdSplitFilesHidden};
    struct Step { int tapped, titleHidden; int32_t split; int bits; int32_t left[3]; } steps[] = {
        {kIdSplitTreeHidden, 0, -1, 6, {8, 8, 32}},   {kIdSplitMiddle, 0, 120, 3, {8, 32, 32}},
        {kIdSplitFilesHidden, 0, 260, 5, {8, 32, 32}}, {kIdSplitMiddle, 1, 120, 3, {8, 32, 32}},
        {kIdSplitFilesHidden, 1, 286, 5, {8, 32, 32}}, {kIdSplitTreeHidden, 1, -1, 6, {8, 8, 32}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << "step " << &s - steps);
        if (s.titleHidden != program().viewState.titleBarHidden) Command(IDM_TITLE_BAR);
        TapChild(s.tapped);
        EXPECT_EQ(shell.separatorRect.top, s.split);
        EXPECT_EQ(shell.separatorRect.bottom, s.split + 9);
        EXPECT_EQ(shell.splitButtonBits, s.bits);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(Shown(Child(ids[i])), ids[i] != s.tapped) << ids[i];
            EXPECT_EQ(Child(ids[i])->data().rect, (gdi::RECT{s.left[i], s.split + 1, s.left[i] + 7, s.split + 8})) << ids[i];
        }
    }
}

}  // namespace
}  // namespace modes_test

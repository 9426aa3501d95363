// The grid's arithmetic; the grid window on the real main window (cells, the
// scroll bar, taps, keys, resets); and the grid driven by the headless driver.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/start_option.h"
#include "browse/folder_tree.h"
#include "platform/controls/list_view.h"
#include "platform/controls/scroll_bar.h"
#include "platform/device/activation.h"
#include "platform/device/message_loop.h"
#include "platform/device/painting.h"
#include "platform/gdi/paint.h"
#include "platform/headless/device_target.h"
#include "platform/headless/script_runner.h"
#include "shell/image_kind.h"
#include "image/draw_test_support.h"
#include "shell/resource_ids.h"
#include "shell/thumbnail_thread.h"
#include "support/main_window_fixture.h"
#include "support/when_modal.h"
#include "thumbs/thumb_grid.h"
#include "thumbs/thumb_grid_draw.h"
#include "thumbs/thumb_grid_layout.h"

namespace grid_test {
namespace {

using device::HWND;

TEST(GridLayout, HitTest) {
    struct Case { int32_t x, y, count, scrollY, index; } cases[] = {
        {40, 40, 7, 0, 1},    {100, 100, 7, 0, 5},   {77, 40, 7, 0, -1},   {40, 87, 7, 0, -1},
        {200, 40, 2, 0, -1},  {40, 40, 7, 85, 4},    {5, 5, 7, 0, 1},      {75, 85, 7, 0, 1},
        {4, 40, 7, 0, -1},    {76, 40, 7, 0, -1},    {79, 40, 7, 0, 2},    {149, 40, 7, 0, 2},
        {150, 40, 7, 0, -1},  {153, 40, 7, 0, 3},    {223, 40, 7, 0, 3},   {224, 40, 7, 0, -1},
        {40, 4, 7, 0, -1},    {40, 90, 7, 0, 4},     {40, 200, 7, 0, 7},   {100, 200, 7, 0, -1},
        {40, 300, 7, 0, -1},  {40, -5, 7, 0, -1},    {40, 40, 0, 0, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ezo::ThumbHitTest(c.x, c.y, c.count, c.scrollY), c.index) << c.x << "," << c.y << " of " << c.count;
}

TEST(GridLayout, ScrollPosForEntry) {
    struct Case { int32_t index; bool forward; int32_t height, count, scrollY; } cases[] = {
        {7, true, 195, 10, 150},  {7, true, 158, 10, 102},  {1, false, 195, 10, 0},
        {10, false, 158, 10, 187}, {10, true, 195, 10, 235}, {3, true, 171, 3, 4},
        {0, true, 195, 0, 0}, {11, false, 158, 10, 187},  // no such entry: every row counts
    };
    for (const Case& c : cases)
        EXPECT_EQ(ezo::ScrollPosForEntry(c.index, c.forward, c.height, c.count), c.scrollY) << c.index << " " << c.height;
}

TEST(GridLayout, ScrollSteps) {
    using namespace controls;
    struct Case { uint16_t request; int32_t track, scrollY, maxScroll, result; } cases[] = {
        {SB_LINEDOWN, 0, 0, 500, 10},     {SB_LINEUP, 0, 40, 500, 30},    {SB_PAGEDOWN, 0, 0, 500, 20},
        {SB_PAGEUP, 0, 40, 500, 20},      {SB_THUMBTRACK, 300, 40, 500, 300},
        {SB_THUMBPOSITION, 300, 40, 500, 40},  // the other requests do not move
        {SB_LINEDOWN, 0, 495, 500, 500},  {SB_LINEUP, 0, 5, 500, 0},      {SB_LINEDOWN, 0, 0, -50, 0},
        {SB_THUMBTRACK, 25000, 0, 30000, 0},  // a step past 20000 is refused
        {SB_THUMBTRACK, 20000, 0, 30000, 20000}, {SB_THUMBTRACK, 900, 0, 500, 500},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ezo::ScrolledPosition(c.request, c.track, c.scrollY, c.maxScroll), c.result) << c.request << " " << c.scrollY;
}

TEST(GridLayout, Captions) {
    struct Case { const char16_t* name; uint32_t kind; const char16_t* caption; } cases[] = {
        {u"DSC01234.JPG", ezo::Jpg, u"DSC01234"},       {u"Holiday_Picture_001.jpg", ezo::Jpg, u"Holiday_Pi..."},
        {u"abcdefghijk.jpeg", ezo::Jpeg, u"abcdefghijk"}, {u"abcdefghijkl.gif", ezo::Gif, u"abcdefghij..."},
        {u"a.bmp", ezo::Bmp, u"a"}, {u".gif", ezo::Gif, u""}, {u"x", ezo::Bmp, u""},
        {u"abcdefghi\U0001F600xy.jpg", ezo::Jpg, u"abcdefghi..."},  // a pair is never cut in two
    };
    for (const Case& c : cases) EXPECT_EQ(ezo::CaptionText(c.name, c.kind), c.caption);
}

class GridTest : public test_support::MainWindowTest {
protected:
    // Files in the root (10 bytes: listed, no picture); the window, showing the grid.
    void StartOn(const std::vector<std::string>& names) {
        for (const std::string& name : names) WriteFile(name);
        Start();
        dev().command(ezo::IDM_TO_THUMBNAILS);
        dev().processPending();
    }
    HWND Grid() const { return program().shell.thumbGrid; }
    ezo::GridState& State() const { return program().grid; }
    gdi::POINT OnScreen(int32_t x, int32_t y) const { return device::ClientToScreen(Grid(), {x, y}); }
    void TapGrid(int32_t x, int32_t y) { dev().tap(OnScreen(x, y).x, OnScreen(x, y).y), dev().processPending(); }
    // A pixel of the grid as shown, 0xRRGGBB.
    uint32_t Pixel(int32_t x, int32_t y) const {
        const gdi::Bitmap* store = device::BackingStore(Grid());
        const uint8_t* p = store->row(y) + 4 * x;
        return uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
    }
    ezo::FileEntry* Entry(int index) const {
        ezo::FileEntry* e = program().fileList.head.get();
        while (e && e->index != index) e = e->next.get();
        return e;
    }
};

constexpr uint32_t kBlack = 0x000000, kWhite = 0xFFFFFF, kFrameGrey = 0xC0C0C0;

// A 24-bit picture of one colour, as the pass makes thumbnails.
gdi::BitmapPtr Solid(int32_t width, int32_t height, gdi::COLORREF colour) {
    return draw_test::MakePicture(width, height, 24, [colour](int, int) { return colour; });
}

TEST_F(GridTest, CellsShowFrameCaptionThumbnailAndPlaceholder) {
    StartOn({"Holiday_Picture_001.jpg", "b.jpg", "c.gif", "d.bmp"});
    Entry(1)->thumbLeft = 22;
    Entry(1)->thumbTop = 25;
    Entry(1)->thumbnail = Solid(20, 10, gdi::RGB(255, 0, 0));
    TapGrid(100, 40);  // highlights the second cell
    // Black outline, grey inside, the thumbnail at its offsets in the box.
    const std::pair<gdi::POINT, uint32_t> pixels[] = {
        {{5, 5}, kBlack},      {{74, 84}, kBlack},     {{75, 40}, kWhite},     {{10, 10}, kFrameGrey},
        {{29, 40}, kFrameGrey}, {{30, 33}, 0xFF0000u}, {{49, 42}, 0xFF0000u},  {{50, 42}, kFrameGrey},
        {{84, 10}, kBlack},  // the highlighted cell is black
        {{185, 38}, kBlack}, {{186, 38}, kFrameGrey}, {{188, 38}, kBlack}, {{191, 38}, kBlack},  // the dots
    };
    for (auto [p, colour] : pixels) EXPECT_EQ(Pixel(p.x, p.y), colour) << p.x << "," << p.y;
    // Captions: dark on grey, white on the highlight (smoothed edges aside).
    const auto inked = [&](int32_t left, uint32_t ink) {
        int count = 0;
        for (int32_t y = 70; y < 85; ++y)
            for (int32_t x = left; x < left + 66; ++x) count += ((Pixel(x, y) ^ ink) & 0x808080) == 0;
        return count;
    };
    EXPECT_GT(inked(7, kBlack), 10);
    EXPECT_GT(inked(81, kWhite), 10);
    // A thumbnail that comes later is drawn in its cell alone.
    Entry(3)->thumbnail = Solid(64, 60, gdi::RGB(0, 0, 255));
    EXPECT_EQ(ezo::DrawGridCells(program(), {2}), (gdi::RECT{153, 5, 223, 85}));
    device::PostMessage(Grid(), ezo::kMsgThumbnailsReady, 0, 0);
    device::InvalidateRect(Grid(), nullptr, false);
    dev().processPending();
    EXPECT_EQ(Pixel(160, 40), 0x0000FFu);
}

TEST_F(GridTest, ScrollBarKeysAndSplit) {
    StartOn({"1.jpg", "2.jpg", "3.jpg", "4.jpg", "5.jpg", "6.jpg", "7.jpg", "8.jpg", "9.jpg", "10.jpg"});
    ASSERT_EQ(program().shell.listAreaHeight, 158);
    HWND bar = State().scrollBar;
    ASSERT_TRUE(bar && device::IsWindowVisible(bar));
    EXPECT_EQ(State().maxScroll, 346 - 157);
    for (uint16_t request : {controls::SB_LINEDOWN, controls::SB_LINEDOWN, controls::SB_PAGEDOWN, controls::SB_PAGEDOWN,
                             controls::SB_LINEUP})
        device::SendMessage(Grid(), device::WM_VSCROLL, request, reinterpret_cast<device::LPARAM>(bar));
    EXPECT_EQ(State().scrollY, 50);
    EXPECT_EQ(controls::GetScrollPos(bar, controls::SB_CTL), 50);
    EXPECT_EQ(Pixel(10, 39), kWhite);  // the second row's frame moved up by 50
    EXPECT_EQ(Pixel(10, 40), kBlack);
    // Keys do nothing before a tap; then they move the highlight and scroll.
    dev().key(Qt::Key_Down);
    EXPECT_EQ(State().cursorIndex, -1);
    TapGrid(40, 90);
    EXPECT_EQ(device::GetFocus(), Grid());
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Left}) dev().key(key);
    dev().processPending();
    EXPECT_EQ(State().selectedIndex, 9);  // down and right stop at the last
    EXPECT_EQ(State().scrollY, 3 * 85 + 5 - 158);
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up}) dev().key(key);
    EXPECT_EQ(State().cursorIndex, 1);  // up stops at the first
    // A tap between cells takes the selection away.
    TapGrid(77, 40);
    EXPECT_EQ(State().cursorIndex, -1);
    EXPECT_EQ(State().selectionActive, 0);
    // The split moves: the grid starts from its top at its new height.
    dev().command(ezo::IDC_SPLIT_MIDDLE);
    dev().processPending();
    EXPECT_EQ(State().scrollY, 0);
    EXPECT_EQ(program().shell.listAreaHeight, 115);
}

// Another folder starts the grid at its top with nothing highlighted (the
// keys go on from the old number); a switch to the list clears the highlight;
// a grid whose rows all fit hides its scroll bar.
TEST_F(GridTest, FolderAndViewChangesResetTheGrid) {
    MakeFolder("sub");
    WriteFile("sub/x.jpg");
    StartOn({"1.jpg", "2.jpg", "3.jpg", "4.jpg"});
    TapGrid(40, 40);
    dev().command(ezo::IDM_TO_LIST);
    EXPECT_EQ(State().selectionActive, 0);
    dev().command(ezo::IDM_TO_REPORT);
    dev().command(ezo::IDM_TO_THUMBNAILS);
    dev().advance(1000);  // a tap, not the second of a double tap
    TapGrid(40, 120);
    State().scrollY = 60;
    ezo::RevealFolder(program(), u"\\sub\\");
    dev().processPending();
    EXPECT_EQ(program().currentFolder, u"\\sub\\");
    EXPECT_EQ(State().scrollY, 0);
    EXPECT_EQ(State().selectionActive, 0);
    EXPECT_EQ(State().cursorIndex, 4);
    EXPECT_FALSE(device::IsWindowVisible(State().scrollBar));
}

// The grid driven through the headless driver's commands.
class GridScenarioTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        dev().addDumpSource(ezo::DumpShellState);
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"})
            pictures_->Write(name, jpeg_test::Samples(64, 48, JCS_RGB, {200, 40, 40}));
        WriteFile("e.jpg");  // not a picture: it does not open
        Start();
    }
    // Runs the script's lines; the first failure's message.
    std::string Run(const std::string& text) {
        headless::DeviceTarget target(dev());
        headless::ScriptRunner runner(target, output_.path());
        runner.Run(headless::ParseScript(text).commands);
        return runner.error() ? runner.error()->message : "";
    }
    // "VERB X Y" at the middle of the cell of entry index.
    std::string At(const char* verb, int index) const {
        const gdi::POINT p = OnScreen(40 + 74 * ((index - 1) % 3), 40 + 85 * ((index - 1) / 3) - State().scrollY);
        return std::string(verb) + " " + std::to_string(p.x) + " " + std::to_string(p.y) + "\n";
    }
    int IndexOf(const std::u16string& name) const {
        int index = 1;
        while (Entry(index)->name != name) ++index;
        return index;
    }
    bool Browsing() const {
        const ezo::Shell& shell = program().shell;
        return shell.browseMode && device::IsWindowVisible(Grid()) && device::IsWindowVisible(shell.tree) &&
               !program().viewState.imageLoaded;
    }
    testing_support::TempFolder output_;
};

TEST_F(GridScenarioTest, OpenFromTheGridAndComeBack) {
    EXPECT_EQ(Run("command 40082\nsettle 0\n" + At("dbltap", IndexOf(u"b.jpg"))), "");
    EXPECT_EQ(device::GetWindowText(window_), u"Ezo - b");
    EXPECT_EQ(ezo::ThumbnailGeneratorRunning(program()), 0);
    EXPECT_EQ(program().shell.thumbRestartPending, 1);
    EXPECT_EQ(Run("command 40088\n"), "");
    EXPECT_TRUE(Browsing());
    EXPECT_EQ(program().shell.thumbRestartPending, 0);
    // A picture that does not open leaves the grid, its pass going again.
    EXPECT_EQ(Run(At("dbltap", IndexOf(u"e.jpg"))), "");
    EXPECT_TRUE(Browsing());
    EXPECT_EQ(ezo::ThumbnailGeneratorRunning(program()), 1);
}

// Delete acts on the highlighted cell, not on the row the hidden list had
// selected before the switch.
TEST_F(GridScenarioTest, HoldOffersDeleteForTheHighlightedCell) {
    controls::LVITEMW state;
    state.stateMask = state.state = controls::LVIS_SELECTED | controls::LVIS_FOCUSED;
    device::SendMessage(program().shell.fileList, controls::LVM_SETITEMSTATE, 0, reinterpret_cast<device::LPARAM>(&state));
    const std::u16string listed = Entry(1)->name;
    bool menuShown = false;
    test_support::WhenModal([&](HWND menu) { menuShown = menu != nullptr; });
    EXPECT_EQ(Run("command 40082\n" + At("hold", IndexOf(u"c.jpg"))), "");
    EXPECT_TRUE(menuShown);
    test_support::WhenModal([this](HWND) { dev().key(Qt::Key_Return); });
    EXPECT_EQ(Run("command 40081\n"), "");
    EXPECT_FALSE(std::filesystem::exists(HostPath("c.jpg")));
    EXPECT_TRUE(std::filesystem::exists(HostPath(QString::fromStdU16String(listed).toStdString())));
    EXPECT_EQ(program().shell.rowCount, 4);
    EXPECT_EQ(State().selectionActive, 0);
    EXPECT_TRUE(Browsing());
}

// A start on a picture lists its folder behind it; the pass waits for the
// way back, which shows the folder's grid.
TEST_F(GridScenarioTest, TheWayBackFromAStartPictureShowsItsGrid) {
    device::ShowWindow(program().shell.fileList, device::SW_HIDE);  // as while the window is made
    ASSERT_EQ(ezo::OpenStartPicture(window_, u"\\b.jpg"), 1);
    EXPECT_EQ(ezo::ThumbnailGeneratorRunning(program()), 0);
    EXPECT_EQ(program().shell.thumbRestartPending, 1);
    EXPECT_EQ(Run("command 40088\n"), "");
    EXPECT_TRUE(Browsing());
    EXPECT_EQ(ezo::ThumbnailGeneratorRunning(program()), 1);
}

TEST_F(GridScenarioTest, SettleAndDump) {
    EXPECT_EQ(Run("command 40082\n" + At("tap", 2) + "dump grid.txt\n"), "");
    std::ifstream in(std::filesystem::path(output_.path()) / "grid.txt");
    const std::string dump((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (const char* line : {"\nscrollY: 0\n", "\nmaxScroll: 19\n", "\ncursorIndex: 2\n", "\nselectedIndex: 2\n",
                             "\nselectionActive: 1\n", "\nthumbPassRunning: ", "\nthumbRestartPending: 0\n",
                             "\nhighestNumber: 0\n", "\nentry: 1 | ", "| e.jpg | none\n"})
        EXPECT_NE(dump.find(line), std::string::npos) << line;
    // A pass that does not end within the bound stops the script.
    dev().setSettledCheck([] { return false; });
    EXPECT_NE(Run("settle 30\n"), "");
}

}  // namespace
}  // namespace grid_test

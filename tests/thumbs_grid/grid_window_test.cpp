// The grid window on the real main window: what a cell looks like, the
// scroll bar, taps, keys and the resets the shell owes the grid.
#include "grid_fixture.h"

#include "platform/controls/scroll_bar.h"
#include "platform/controls/tree_view.h"
#include "platform/device/activation.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/paint.h"
#include "shell/thumbnail_thread.h"
#include "thumbs/thumb_grid.h"
#include "thumbs/thumb_grid_draw.h"

namespace grid_test {
namespace {

// A 24-bit picture of one colour, as the pass makes thumbnails.
gdi::BitmapPtr Solid(int32_t width, int32_t height, gdi::COLORREF colour) {
    gdi::BITMAPINFO info{};
    info.bmiHeader.biSize = 40;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    gdi::BitmapPtr bitmap = gdi::CreateDIBSection(nullptr, &info, gdi::DIB_RGB_COLORS, &bits);
    gdi::DeviceContextPtr dc = gdi::CreateCompatibleDC(nullptr);
    gdi::SelectScope<gdi::HBITMAP> selected(dc.get(), bitmap.get());
    gdi::BrushPtr brush = gdi::CreateSolidBrush(colour);
    const gdi::RECT all{0, 0, width, height};
    gdi::FillRect(dc.get(), &all, brush.get());
    return bitmap;
}

TEST_F(GridTest, CellsShowFrameCaptionThumbnailAndPlaceholder) {
    StartOn({"Holiday_Picture_001.jpg", "b.jpg", "c.gif", "d.bmp"});
    ezo::FileEntry& first = *program().fileList.head;
    first.thumbLeft = 22;
    first.thumbTop = 25;
    first.thumbnail = Solid(20, 10, gdi::RGB(255, 0, 0));
    TapGrid(100, 40);  // highlights the second cell
    EXPECT_EQ(State().selectedIndex, 2);
    // First cell: black outline, grey inside, the red thumbnail at its
    // offsets in the box, a dark caption on grey.
    EXPECT_EQ(Pixel(5, 5), kBlack);
    EXPECT_EQ(Pixel(74, 84), kBlack);
    EXPECT_EQ(Pixel(75, 40), kWhite);
    EXPECT_EQ(Pixel(10, 10), kFrameGrey);
    EXPECT_EQ(Pixel(29, 40), kFrameGrey);
    EXPECT_EQ(Pixel(30, 33), 0xFF0000u);
    EXPECT_EQ(Pixel(49, 42), 0xFF0000u);
    EXPECT_EQ(Pixel(50, 42), kFrameGrey);
    // Caption pixels of the text's colour, give or take its smoothed edges.
    const auto inked = [&](int32_t left, uint32_t ink) {
        int count = 0;
        for (int32_t y = 70; y < 85; ++y)
            for (int32_t x = left; x < left + 66; ++x) count += ((Pixel(x, y) ^ ink) & 0x808080) == 0;
        return count;
    };
    EXPECT_GT(inked(7, kBlack), 10);
    // Highlighted second cell: black with a white caption.
    EXPECT_EQ(Pixel(84, 10), kBlack);
    EXPECT_GT(inked(81, kWhite), 10);
    // Third cell: the placeholder's three dots in its box's middle.
    for (int32_t x : {2, 5, 8}) EXPECT_EQ(Pixel(148 + 35 + x, 33 + 5), kBlack) << x;
    EXPECT_EQ(Pixel(148 + 35 + 3, 33 + 5), kFrameGrey);
    // A cell drawn again by itself shows a thumbnail that came later.
    Entry(3)->thumbnail = Solid(64, 60, gdi::RGB(0, 0, 255));
    const gdi::RECT part = ezo::DrawGridCells(program(), {2});
    EXPECT_EQ(part, (gdi::RECT{153, 5, 223, 85}));
    device::PostMessage(Grid(), ezo::kMsgThumbnailsReady, 0, 0);
    dev().processPending();
    device::InvalidateRect(Grid(), nullptr, false);
    dev().processPending();
    EXPECT_EQ(Pixel(160, 40), 0x0000FFu);
}

TEST_F(GridTest, ScrollBarStepsAndLimits) {
    StartOn({"1.jpg", "2.jpg", "3.jpg", "4.jpg", "5.jpg", "6.jpg", "7.jpg", "8.jpg", "9.jpg", "10.jpg"});
    ASSERT_EQ(program().shell.listAreaHeight, 158);
    HWND bar = State().scrollBar;
    ASSERT_TRUE(bar);
    EXPECT_TRUE(device::IsWindowVisible(bar));
    EXPECT_EQ(State().maxScroll, 346 - 157);
    const auto scroll = [&](uint16_t request, int32_t track = 0) {
        device::SendMessage(Grid(), device::WM_VSCROLL, device::MAKEWPARAM(request, track),
                            reinterpret_cast<device::LPARAM>(bar));
    };
    for (int i = 0; i < 5; ++i) scroll(controls::SB_LINEDOWN);
    EXPECT_EQ(State().scrollY, 50);
    scroll(controls::SB_PAGEDOWN);
    EXPECT_EQ(State().scrollY, 70);
    EXPECT_EQ(controls::GetScrollPos(bar, controls::SB_CTL), 70);
    // The row of cells 4-6 moved up by 70: cell 4's frame top is at 90 - 70.
    EXPECT_EQ(Pixel(10, 19), kWhite);
    EXPECT_EQ(Pixel(10, 20), kBlack);
    scroll(controls::SB_PAGEUP);
    scroll(controls::SB_LINEUP);
    EXPECT_EQ(State().scrollY, 40);
    // The split moves: the grid starts from its top again.
    dev().command(ezo::IDC_SPLIT_MIDDLE);
    dev().processPending();
    EXPECT_EQ(State().scrollY, 0);
    EXPECT_EQ(program().shell.listAreaHeight, 115);
}

TEST_F(GridTest, FewCellsHideTheScrollBar) {
    StartOn({"1.jpg", "2.jpg", "3.jpg"});
    State().scrollY = 30;
    ezo::RelayoutThumbGrid(Grid());
    EXPECT_FALSE(device::IsWindowVisible(State().scrollBar));
    EXPECT_EQ(State().scrollY, 0);
}

TEST_F(GridTest, TapsAndKeysMoveTheHighlight) {
    StartOn({"1.jpg", "2.jpg", "3.jpg", "4.jpg", "5.jpg", "6.jpg", "7.jpg", "8.jpg", "9.jpg", "10.jpg"});
    dev().key(Qt::Key_Down);  // no tap yet: nothing moves
    EXPECT_EQ(State().cursorIndex, -1);
    EXPECT_EQ(State().selectionActive, 0);
    TapGrid(40, 40);
    EXPECT_EQ(State().cursorIndex, 1);
    EXPECT_EQ(State().selectionActive, 1);
    EXPECT_EQ(device::GetFocus(), Grid());
    const std::pair<Qt::Key, int32_t> moves[] = {{Qt::Key_Down, 4}, {Qt::Key_Down, 7}, {Qt::Key_Down, 10},
                                                 {Qt::Key_Down, 10}, {Qt::Key_Right, 10}, {Qt::Key_Up, 7},
                                                 {Qt::Key_Left, 6}};
    for (auto [key, index] : moves) {
        dev().key(key);
        dev().processPending();
        EXPECT_EQ(State().cursorIndex, index);
        EXPECT_EQ(State().selectedIndex, index);
    }
    // Left to 6 scrolled row 1's bottom 5 pixels above the view's.
    EXPECT_EQ(State().scrollY, 2 * 85 + 5 - 158);
    // A tap between cells clears the selection, not the number drawn.
    TapGrid(77, 40);
    EXPECT_EQ(State().cursorIndex, -1);
    EXPECT_EQ(State().selectionActive, 0);
    EXPECT_EQ(State().selectedIndex, 6);
}

// A selected folder starts the grid at its top with nothing highlighted; a
// switch to the list takes the highlight away.
TEST_F(GridTest, FolderAndViewChangesResetTheGrid) {
    MakeFolder("sub");
    WriteFile("sub/x.jpg");
    StartOn({"1.jpg", "2.jpg", "3.jpg", "4.jpg", "5.jpg", "6.jpg", "7.jpg"});
    TapGrid(40, 40);
    State().scrollY = 60;
    dev().command(ezo::IDM_TO_LIST);
    dev().processPending();
    EXPECT_EQ(State().selectionActive, 0);
    dev().command(ezo::IDM_TO_REPORT);
    dev().command(ezo::IDM_TO_THUMBNAILS);
    dev().advance(1000);  // a tap, not the second of a double tap
    TapGrid(40, 40);
    ASSERT_EQ(State().selectionActive, 1);
    controls::HTREEITEM root = reinterpret_cast<controls::HTREEITEM>(
        device::SendMessage(program().shell.tree, controls::TVM_GETNEXTITEM, controls::TVGN_ROOT, 0));
    controls::HTREEITEM sub = reinterpret_cast<controls::HTREEITEM>(
        device::SendMessage(program().shell.tree, controls::TVM_GETNEXTITEM, controls::TVGN_CHILD,
                            reinterpret_cast<device::LPARAM>(root)));
    device::SendMessage(program().shell.tree, controls::TVM_SELECTITEM, controls::TVGN_CARET,
                        reinterpret_cast<device::LPARAM>(sub));
    dev().processPending();
    EXPECT_EQ(program().currentFolder, u"\\sub\\");
    EXPECT_EQ(State().scrollY, 0);
    EXPECT_EQ(State().selectionActive, 0);
    EXPECT_EQ(State().cursorIndex, 4);  // the keys go on from the old number (scrolled by 60)
}

}  // namespace
}  // namespace grid_test

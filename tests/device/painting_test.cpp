#include "device_fixture.h"

#include "platform/device/painting.h"
#include "platform/device/window_api.h"
#include "platform/gdi/paint.h"

namespace device_test {
namespace {

const std::set<uint32_t> kPaint{WM_PAINT, WM_ERASEBKGND};

QRgb Rgb(int r, int g, int b) { return qRgb(r, g, b); }

class PaintingTest : public DeviceTest {
protected:
    void SetUp() override {
        DeviceTest::SetUp();
        main_ = MakeRecorder("main", &log_, kPaint, WS_VISIBLE, {0, 26, 240, 294});
        left_ = MakeRecorder("left", &log_, kPaint, WS_CHILD | WS_VISIBLE, {0, 100, 120, 200}, main_.window, 1);
        right_ = MakeRecorder("right", &log_, kPaint, WS_CHILD | WS_VISIBLE, {120, 100, 240, 200}, main_.window, 2);
        PaintIn(main_, gdi::RGB(255, 255, 255));
        PaintIn(left_, gdi::RGB(255, 0, 0));
        PaintIn(right_, gdi::RGB(0, 0, 255));
        dev().processPending();
        log_.clear();
    }
    Log log_;
    Made main_, left_, right_;
};

TEST_F(PaintingTest, DrawingPastAWindowLeavesItsNeighboursAlone) {
    const QImage before = dev().grabScreen();
    EXPECT_EQ(before.pixel(60, 150), Rgb(255, 0, 0));
    EXPECT_EQ(before.pixel(180, 150), Rgb(0, 0, 255));
    {
        device::WindowDC dc(left_.window);
        gdi::RECT wide{-50, -50, 400, 400};
        gdi::BrushPtr green = gdi::CreateSolidBrush(gdi::RGB(0, 255, 0));
        gdi::FillRect(dc, &wide, green.get());
    }
    const QImage after = dev().grabScreen();
    struct { int x, y; QRgb color; } cases[] = {
        {0, 126, Rgb(0, 255, 0)},      {119, 225, Rgb(0, 255, 0)},    // the left child, corner to corner
        {120, 126, Rgb(0, 0, 255)},    {180, 150, Rgb(0, 0, 255)},    // its neighbour
        {60, 125, Rgb(255, 255, 255)}, {60, 226, Rgb(255, 255, 255)}, // the parent above and below
    };
    for (const auto& c : cases) EXPECT_EQ(after.pixel(c.x, c.y), c.color) << c.x << "," << c.y;
}

TEST_F(PaintingTest, InvalidationsGatherIntoOnePaintWhenTheLoopIsIdle) {
    std::vector<gdi::RECT> painted;
    PaintIn(left_, gdi::RGB(255, 0, 0), &painted);
    const gdi::RECT a{10, 10, 20, 20}, b{50, 5, 60, 15};
    device::InvalidateRect(left_.window, &a, false);
    device::InvalidateRect(left_.window, &b, true);
    device::InvalidateRect(left_.window, &a, false);
    EXPECT_TRUE(log_.empty());  // nothing before the loop turns
    dev().processPending();
    dev().processPending();
    const Log expected{{"left", WM_PAINT, 0, 0}, {"left", WM_ERASEBKGND, log_.size() > 1 ? log_[1].wParam : 0, 0}};
    EXPECT_EQ(log_, expected);
    ASSERT_EQ(painted.size(), 1u);
    EXPECT_EQ(painted[0], (gdi::RECT{10, 5, 60, 20}));
}

TEST_F(PaintingTest, UpdateWindowPaintsAtOnceValidatedOrHiddenWindowsWait) {
    device::InvalidateRect(left_.window, nullptr, false);
    device::UpdateWindow(left_.window);
    EXPECT_EQ(log_.size(), 1u);  // painted without the loop

    device::InvalidateRect(right_.window, nullptr, false);
    ValidateRect(right_.window, nullptr);
    ShowWindow(left_.window, SW_HIDE);
    device::InvalidateRect(left_.window, nullptr, false);
    dev().processPending();
    EXPECT_EQ(log_.size(), 1u);

    ShowWindow(left_.window, SW_SHOW);
    dev().processPending();
    ASSERT_EQ(log_.size(), 3u);  // shown: painted, with the background erased
    EXPECT_EQ(log_[1].msg, WM_PAINT);
    EXPECT_EQ(log_[2].msg, WM_ERASEBKGND);
}

TEST_F(PaintingTest, AProcedureThatIgnoresPaintingIsNotAskedForever) {
    left_.recorder->onMessage = [](uint32_t msg, WPARAM, LPARAM) { return msg == WM_PAINT; };
    device::InvalidateRect(left_.window, nullptr, false);
    for (int i = 0; i < 3; ++i) dev().processPending();
    EXPECT_EQ(log_.size(), 1u);
}

TEST_F(PaintingTest, ContextsOutlivingTheirWindowDrawNowhere) {
    gdi::HDC dc = device::GetDC(left_.window);
    ASSERT_TRUE(dc);
    EXPECT_EQ(OpenDeviceContexts(), 1u);
    DestroyWindow(left_.window);
    EXPECT_FALSE(device::UpdateWindow(left_.window));
    gdi::RECT all{0, 0, 100, 100};
    gdi::FillRect(dc, &all, gdi::GetStockBrush(gdi::BLACK_BRUSH));
    device::ReleaseDC(nullptr, dc);
    device::ReleaseDC(nullptr, dc);  // twice: ignored
    EXPECT_EQ(OpenDeviceContexts(), 0u);
}

TEST_F(PaintingTest, ResizingKeepsWhatWasDrawnAndTheClientRectFollows) {
    ASSERT_TRUE(MoveWindow(left_.window, 0, 100, 60, 150, false));
    gdi::RECT client;
    ASSERT_TRUE(device::GetClientRect(left_.window, &client));
    EXPECT_EQ(client, (gdi::RECT{0, 0, 60, 150}));
    dev().processPending();
    EXPECT_TRUE(log_.empty());  // moved without repainting
    const QImage shot = dev().grabScreen();
    EXPECT_EQ(shot.pixel(30, 150), Rgb(255, 0, 0));    // kept from before
    EXPECT_EQ(shot.pixel(30, 240), Rgb(255, 255, 255)); // new part: white until painted
    gdi::Bitmap* store = BackingStore(left_.window);
    ASSERT_TRUE(store);
    EXPECT_EQ(store->width(), 60);
    EXPECT_EQ(store->height(), 150);
}

}  // namespace
}  // namespace device_test

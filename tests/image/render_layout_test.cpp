#include <gtest/gtest.h>

#include "image/render_layout.h"
#include "shell/view_state.h"

namespace ezo {
// Readable failures; internal so no other test program sees it.
static void PrintTo(const Transfer& t, std::ostream* os) {
    *os << (t.kind == Transfer::Block ? "Block(" : t.kind == Transfer::Stretch ? "Stretch(" : "None(") << t.x
        << ", " << t.y << ", " << t.width << ", " << t.height << " from " << t.srcX << ", " << t.srcY << ")";
}
}  // namespace ezo

namespace {

using ezo::Offsets;
using ezo::Transfer;
using ezo::ViewMode;

constexpr int kUp = ezo::kFlipVertical, kMirror = ezo::kFlipHorizontal, kBoth = kUp | kMirror;
constexpr ViewMode kTwoBars{false, false, 0}, kHidden{false, true, 0}, kFull{true, false, 0};

ViewMode Flipped(ViewMode mode, int flipBits) { return mode.flipBits = flipBits, mode; }
Transfer Block(int32_t x, int32_t y, int32_t w, int32_t h, int32_t sx, int32_t sy) {
    return {Transfer::Block, x, y, w, h, sx, sy};
}
Transfer Stretch(int32_t x, int32_t y, int32_t w, int32_t h) { return {Transfer::Stretch, x, y, w, h, 0, 0}; }

TEST(RenderLayout, CentringMargins) {
    const struct { float sW, sH; ViewMode mode; ezo::Margins expected; } cases[] = {
        {100, 100, kTwoBars, {70, 84}},   {100, 100, kHidden, {70, 97}},  {100, 100, kFull, {70, 110}},
        {50.5f, 25.5f, kTwoBars, {94, 121}}, {240, 294, kTwoBars, {0, 0}}, {5000, 5000, kFull, {0, 0}},
        // A little shorter than the screen: from the top, never above it.
        {240, 268, kTwoBars, {0, 0}}, {240, 280, kTwoBars, {0, 0}}, {240, 293, kTwoBars, {0, 0}},
        {240, 300, kHidden, {0, 0}}};
    for (const auto& c : cases) {
        const ezo::Margins m = ezo::CentringMargins(c.sW, c.sH, c.mode);
        EXPECT_EQ((std::array{m.mx, m.my}), (std::array{c.expected.mx, c.expected.my})) << c.sW << "x" << c.sH;
    }
}

TEST(RenderLayout, ZoomedTransferForEveryFlip) {
    const struct { int32_t W, H; float zoom; Offsets offsets; ViewMode mode; Transfer expected; } cases[] = {
        {100, 100, 1.0f, {0, 0}, kTwoBars, Block(0, 0, 240, 268, -70, -84)},
        {100, 100, 1.0f, {0, 0}, Flipped(kTwoBars, kUp), Stretch(70, 184, 100, -100)},
        {100, 100, 1.0f, {0, 0}, Flipped(kTwoBars, kMirror), Stretch(170, 84, -100, 100)},
        {100, 100, 1.0f, {0, 0}, Flipped(kTwoBars, kBoth), Stretch(170, 184, -100, -100)},
        {100, 100, 1.0f, {0, 0}, kFull, Block(0, 26, 240, 242, -70, -110)},
        {100, 100, 1.0f, {0, 0}, Flipped(kFull, kBoth), Stretch(170, 236, -100, -100)},
        {1000, 800, 1.0f, {100, 50}, Flipped(kTwoBars, kMirror), Stretch(900, -50, -1000, 800)},
        {100, 100, 2.0f, {0, 0}, Flipped(kTwoBars, kUp), Stretch(20, 234, 200, -200)},
        {1000, 800, 2.0f, {100, 50}, Flipped(kTwoBars, kBoth), Stretch(1900, 1550, -2000, -1600)},
        {1000, 800, 2.0f, {100, 50}, Flipped(kFull, kUp), Stretch(-100, 1576, 2000, -1600)},
        {101, 51, 0.5f, {0, 0}, Flipped(kTwoBars, kMirror), Stretch(144, 121, -50, 25)},
        {0, 100, 1.0f, {0, 0}, kTwoBars, Transfer{}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.W << "x" << c.H << " zoom " << c.zoom << " flips " << c.mode.flipBits);
        EXPECT_EQ(ezo::ZoomedTransfer(c.W, c.H, c.zoom, c.offsets, 240, 268, c.mode), c.expected);
    }
    // The biggest picture at a huge zoom panned to the far corner: saturated
    // numbers, never an out-of-range conversion.
    const Transfer far = ezo::ZoomedTransfer(1 << 20, 1 << 20, 3000.0f, {INT32_MAX, INT32_MAX}, 240, 268,
                                             Flipped(kFull, kBoth));
    EXPECT_EQ(far.width, INT32_MIN);
    EXPECT_EQ(far.height, INT32_MIN);
}

TEST(RenderLayout, FitTransferAndZoom) {
    const struct { int32_t W, H; ViewMode mode; Transfer expected; float zoom; } cases[] = {
        {480, 640, kFull, Stretch(0, 26, 240, 320), 0.5f},  // a tie: the height binds
        {480, 640, Flipped(kFull, kUp), Stretch(0, 346, 240, -320), 0.5f},
        {1000, 500, kFull, Stretch(0, 126, 240, 120), 0.24f},
        {300, 800, Flipped(kFull, kBoth), Stretch(180, 346, -120, -320), 0.4f},
        {1000, 500, kTwoBars, Stretch(0, 74, 240, 120), 0.24f},
        {1000, 500, Flipped(kHidden, kBoth), Stretch(240, 207, -240, -120), 0.24f},
        {500, 1000, Flipped(kTwoBars, kMirror), Stretch(187, 0, -134, 268), 0.268f},
        {500, 1000, Flipped(kHidden, kUp), Stretch(46, 294, 147, -294), 0.294f},
        {1, 100000, kFull, Stretch(120, 26, 0, 320), 0.0f},  // too thin to show: nothing drawn
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.W << "x" << c.H << " flips " << c.mode.flipBits);
        const ezo::FitLayout fit = ezo::FitTransfer(c.W, c.H, 240, c.mode);
        EXPECT_EQ(fit.transfer, c.expected);
        EXPECT_FLOAT_EQ(fit.zoom, c.zoom);
    }
}

TEST(RenderLayout, PanStepIsRefusedPerAxis) {
    const struct { float sW; Offsets from; int32_t dx, dy; Offsets expected; } cases[] = {
        {1000, {5, 100}, 10, -10, {5, 110}},  // left edge would show: only y moves
        {1000, {100, 5}, -10, 10, {110, 5}},
        {1000, {750, 748}, -10, -10, {760, 758}},  // right edge and bottom (window less a bar) reached
        {1000, {760, 758}, -1, -1, {760, 758}},
        {200, {0, 100}, -5, 5, {0, 95}},  // narrower than the window
        {1000, {0, 0}, INT32_MIN, INT32_MAX, {0, 0}},
    };
    for (const auto& c : cases) {
        const Offsets got = ezo::AcceptPanStep(c.from, c.dx, c.dy, 240, 268, c.sW, 1000);
        EXPECT_EQ(got, c.expected) << c.from.x << "," << c.from.y << " by " << c.dx << "," << c.dy;
    }
}

}  // namespace

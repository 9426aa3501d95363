#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "image/render_layout.h"
#include "image/view_state.h"

namespace ezo {
// Readable failures; internal so no other test program sees it.
static void PrintTo(const Transfer& t, std::ostream* os) {
    *os << (t.kind == Transfer::Block ? "Block" : t.kind == Transfer::Stretch ? "Stretch" : "None") << "("
        << t.x << ", " << t.y << ", " << t.width << ", " << t.height << " from " << t.srcX << ", "
        << t.srcY << ")";
}
}  // namespace ezo

namespace {

using ezo::Margins;
using ezo::Offsets;
using ezo::Transfer;
using ezo::ViewMode;

constexpr int kUp = ezo::kFlipVertical;
constexpr int kMirror = ezo::kFlipHorizontal;
constexpr int kBoth = kUp | kMirror;

Transfer Block(int32_t x, int32_t y, int32_t w, int32_t h, int32_t sx, int32_t sy) {
    return Transfer{Transfer::Block, x, y, w, h, sx, sy};
}
Transfer Stretch(int32_t x, int32_t y, int32_t w, int32_t h) {
    return Transfer{Transfer::Stretch, x, y, w, h, 0, 0};
}

TEST(RenderLayout, CentringMarginsPerMode) {
    struct Case {
        float sW, sH;
        ViewMode mode;
        Margins expected;
    };
    const Case cases[] = {
        {100, 100, {false, false}, {70, 84}},
        {100, 100, {false, true}, {70, 97}},
        {100, 100, {true, false}, {70, 110}},
        {50.5f, 25.5f, {false, false}, {94, 121}},
        {240, 294, {false, false}, {0, 0}},   // exactly the screen less the top bar
        {239, 293, {false, false}, {0, -12}}, // centred on the screen, above the window's top
        {240, 320, {true, false}, {0, 0}},
        {5000, 5000, {true, false}, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sW << " x " << c.sH << " full " << c.mode.fullScreen
                                        << " hidden " << c.mode.titleBarHidden);
        EXPECT_EQ(ezo::CentringMargins(c.sW, c.sH, c.mode), c.expected);
    }
}

TEST(RenderLayout, ZoomedTransferForEveryFlip) {
    struct Case {
        const char* what;
        int32_t W, H;
        float zoom;
        Offsets offsets;
        ViewMode mode;
        Transfer expected;
    };
    const Case cases[] = {
        {"small, actual size", 100, 100, 1.0f, {0, 0}, {false, false, 0}, Block(0, 0, 240, 268, -70, -84)},
        {"small, upside down", 100, 100, 1.0f, {0, 0}, {false, false, kUp}, Stretch(70, 184, 100, -100)},
        {"small, mirrored", 100, 100, 1.0f, {0, 0}, {false, false, kMirror}, Stretch(170, 84, -100, 100)},
        {"small, both", 100, 100, 1.0f, {0, 0}, {false, false, kBoth}, Stretch(170, 184, -100, -100)},
        {"small, full screen", 100, 100, 1.0f, {0, 0}, {true, false, 0}, Block(0, 26, 240, 242, -70, -110)},
        {"small, full screen, both", 100, 100, 1.0f, {0, 0}, {true, false, kBoth},
         Stretch(170, 236, -100, -100)},
        {"big, actual size, panned", 1000, 800, 1.0f, {100, 50}, {false, false, 0},
         Block(0, 0, 240, 268, 100, 50)},
        {"big, actual size, mirrored", 1000, 800, 1.0f, {100, 50}, {false, false, kMirror},
         Stretch(900, -50, -1000, 800)},
        {"small, zoom 2", 100, 100, 2.0f, {0, 0}, {false, false, 0}, Stretch(20, 34, 200, 200)},
        {"small, zoom 2, upside down", 100, 100, 2.0f, {0, 0}, {false, false, kUp},
         Stretch(20, 234, 200, -200)},
        {"small, zoom 2, mirrored", 100, 100, 2.0f, {0, 0}, {false, false, kMirror},
         Stretch(220, 34, -200, 200)},
        {"big, zoom 2, both", 1000, 800, 2.0f, {100, 50}, {false, false, kBoth},
         Stretch(1900, 1550, -2000, -1600)},
        {"big, zoom 2, full screen, upside down", 1000, 800, 2.0f, {100, 50}, {true, false, kUp},
         Stretch(-100, 1576, 2000, -1600)},
        {"odd sizes truncate", 101, 51, 0.5f, {0, 0}, {false, false, 0}, Stretch(94, 121, 50, 25)},
        {"odd sizes truncate, mirrored", 101, 51, 0.5f, {0, 0}, {false, false, kMirror},
         Stretch(144, 121, -50, 25)},
        {"no pixels", 0, 100, 1.0f, {0, 0}, {false, false, 0}, Transfer{}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ezo::ZoomedTransfer(c.W, c.H, c.zoom, c.offsets, 240, 268, c.mode), c.expected);
    }
}

TEST(RenderLayout, FitTransferAndZoom) {
    struct Case {
        const char* what;
        int32_t W, H;
        ViewMode mode;
        Transfer expected;
        float zoom;
    };
    const Case cases[] = {
        {"full screen, tie: height binds", 480, 640, {true, false, 0}, Stretch(0, 26, 240, 320), 0.5f},
        {"full screen, tie, upside down", 480, 640, {true, false, kUp}, Stretch(0, 346, 240, -320), 0.5f},
        {"full screen, tie, mirrored", 480, 640, {true, false, kMirror}, Stretch(240, 26, -240, 320), 0.5f},
        {"full screen, width binds", 1000, 500, {true, false, 0}, Stretch(0, 126, 240, 120), 0.24f},
        {"full screen, height binds", 300, 800, {true, false, kBoth}, Stretch(180, 346, -120, -320), 0.4f},
        {"two bars, width binds", 1000, 500, {false, false, 0}, Stretch(0, 74, 240, 120), 0.24f},
        {"two bars, width binds, both", 1000, 500, {false, false, kBoth}, Stretch(240, 194, -240, -120),
         0.24f},
        {"title hidden, width binds", 1000, 500, {false, true, 0}, Stretch(0, 87, 240, 120), 0.24f},
        {"two bars, height binds", 500, 1000, {false, false, 0}, Stretch(53, 0, 134, 268), 0.268f},
        {"two bars, height binds, upside down", 500, 1000, {false, false, kUp}, Stretch(53, 268, 134, -268),
         0.268f},
        {"two bars, height binds, mirrored", 500, 1000, {false, false, kMirror},
         Stretch(187, 0, -134, 268), 0.268f},
        {"title hidden, height binds", 500, 1000, {false, true, 0}, Stretch(46, 0, 147, 294), 0.294f},
        {"two bars, tie: height binds", 240, 268, {false, false, 0}, Stretch(0, 0, 240, 268), 1.0f},
        {"a hair too thin to be seen", 1, 100000, {true, false, 0}, Stretch(120, 26, 0, 320), 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ezo::FitLayout fit = ezo::FitTransfer(c.W, c.H, 240, c.mode);
        EXPECT_EQ(fit.transfer, c.expected);
        EXPECT_FLOAT_EQ(fit.zoom, c.zoom);
    }
}

TEST(RenderLayout, PanStepIsRefusedPerAxis) {
    struct Case {
        const char* what;
        float sW, sH;
        Offsets from;
        int32_t dx, dy;
        Offsets expected;
    };
    const Case cases[] = {
        {"inside: both move", 1000, 1000, {100, 100}, 10, 10, {90, 90}},
        {"left edge refused, y moves", 1000, 1000, {5, 100}, 10, -10, {5, 110}},
        {"top edge refused, x moves", 1000, 1000, {100, 5}, -10, 10, {110, 5}},
        {"right edge reached", 1000, 1000, {750, 0}, -10, 0, {760, 0}},
        {"right edge passed", 1000, 1000, {760, 0}, -1, 0, {760, 0}},
        {"bottom edge reached (window less one bar)", 1000, 1000, {0, 748}, 0, -10, {0, 758}},
        {"bottom edge passed", 1000, 1000, {0, 758}, 0, -1, {0, 758}},
        {"narrower than the window", 200, 1000, {0, 100}, -5, 5, {0, 95}},
        {"step past the int range", 1000, 1000, {0, 0}, INT32_MIN, INT32_MAX, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ezo::AcceptPanStep(c.from, c.dx, c.dy, 240, 268, c.sW, c.sH), c.expected);
    }
}

TEST(RenderLayout, PlanPansThenFitsOrZooms) {
    ezo::RenderInput in;
    in.W = 1000;
    in.H = 500;
    in.cw = 240;
    in.ch = 268;
    in.zoom = 1.0f;
    in.offsets = {100, 100};
    in.dx = 10;
    in.dy = 10;

    ezo::RenderPlan plan = ezo::PlanRender(in);
    EXPECT_EQ(plan.offsets, (Offsets{90, 90}));
    EXPECT_EQ(plan.zoom, 1.0f);
    EXPECT_EQ(plan.transfer, Block(0, 0, 240, 268, 90, 90));

    in.fit = true;
    plan = ezo::PlanRender(in);
    EXPECT_FLOAT_EQ(plan.zoom, 0.24f);
    EXPECT_EQ(plan.transfer, Stretch(0, 74, 240, 120));

    in.W = 0;
    plan = ezo::PlanRender(in);
    EXPECT_EQ(plan.offsets, (Offsets{100, 100}));
    EXPECT_EQ(plan.zoom, 1.0f);
    EXPECT_EQ(plan.transfer.kind, Transfer::None);
}

TEST(RenderLayout, ConversionsSaturate) {
    struct Case {
        double value;
        int32_t expected;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {2.9, 2}, {-2.9, -2}, {1e10, INT32_MAX}, {-1e10, INT32_MIN}, {inf, INT32_MAX}, {-inf, INT32_MIN},
        {std::nan(""), 0}, {2147483647.0, INT32_MAX}, {-2147483648.0, INT32_MIN},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ezo::TruncToInt(c.value), c.expected) << c.value;
        if (std::isfinite(c.value) && std::fabs(c.value) < 1e6) {
            EXPECT_EQ(ezo::TruncToInt(float(c.value)), c.expected) << c.value;
        }
    }
    // The biggest picture at a huge zoom, panned to the far corner: every
    // coordinate is a saturated number, never an out-of-range conversion.
    const int32_t side = 1 << 20;
    const Transfer t = ezo::ZoomedTransfer(side, side, 3000.0f, {INT32_MAX, INT32_MAX}, 240, 268,
                                           {true, false, kBoth});
    EXPECT_EQ(t.width, INT32_MIN);
    EXPECT_EQ(t.height, INT32_MIN);
    EXPECT_EQ(t.kind, Transfer::Stretch);
}

}  // namespace

// The HALFTONE stretch mode: shrinking averages, everything else stays the
// exact nearest-pixel transfer; the reduced copies yield to the budget.
#include "platform/gdi/blit.h"
#include "platform/gdi/halftone.h"
#include "platform/gdi/memory_budget.h"
#include "platform/gdi/reduced_copies.h"

#include "surface.h"

namespace gdi::test {
namespace {

void Checkerboard(Surface& s) {
    for (int32_t y = 0; y < s.bitmap->height(); ++y)
        for (int32_t x = 0; x < s.bitmap->width(); ++x) s.set(x, y, (x + y) % 2 ? Color{0, 0, 0} : Color{255, 255, 255});
}

// At 1:1 and larger (mirrored or not) HALFTONE gives exactly what the
// nearest-pixel transfer gives.
TEST(Halftone, LeavesOneToOneAndEnlargingExact) {
    const struct { int32_t w, h; } cases[] = {{8, 6}, {-8, 6}, {8, -6}, {20, 15}, {-17, -13}, {8, 13}};
    for (const auto& c : cases) {
        Surface src(8, 6, 24), nearest(24, 20, 32), halftone(24, 20, 32);
        src.fillPattern();
        SetStretchBltMode(halftone, HALFTONE);
        const int32_t x = c.w < 0 ? 20 : 2, y = c.h < 0 ? 16 : 1;
        ASSERT_TRUE(StretchBlt(nearest, x, y, c.w, c.h, src, 0, 0, 8, 6, SRCCOPY));
        ASSERT_TRUE(StretchBlt(halftone, x, y, c.w, c.h, src, 0, 0, 8, 6, SRCCOPY));
        for (int32_t py = 0; py < 20; ++py)
            for (int32_t px = 0; px < 24; ++px)
                ASSERT_EQ(halftone.get(px, py), nearest.get(px, py)) << c.w << "x" << c.h << " at " << px << "," << py;
    }
}

// A one-pixel checkerboard shrunk by any ratio, from a little to a reduced
// copy's worth, is an even grey (nearest-pixel sampling shows black or white
// stripes); a plain colour stays exactly that colour; the picture lands
// where the nearest-pixel one would.
TEST(Halftone, ShrinkingAveragesTheCoveredPixels) {
    const struct { int32_t side, to; int bits; bool mirrored; } cases[] = {
        {100, 70, 24, false}, {100, 49, 16, true}, {1000, 240, 24, false}, {999, 97, 32, true}, {4096, 30, 24, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.side) + "->" + std::to_string(c.to));
        Surface board(c.side, c.side, c.bits, true), plain(c.side, c.side, c.bits), out(c.to + 4, c.to + 4, 32);
        Checkerboard(board);
        plain.fill({200, 64, 16});
        SetStretchBltMode(out, HALFTONE);
        const int32_t x = c.mirrored ? c.to + 2 : 2, w = c.mirrored ? -c.to : c.to;
        ASSERT_TRUE(StretchBlt(out, x, 2, w, c.to, board, 0, 0, c.side, c.side, SRCCOPY));
        for (int32_t py = 0; py < c.to + 4; ++py)
            for (int32_t px = 0; px < c.to + 4; ++px) {
                const Color got = out.get(px, py);
                if (px < 2 || py < 2 || px >= c.to + 2 || py >= c.to + 2) {
                    ASSERT_EQ(got, kMarker) << px << "," << py;
                    continue;
                }
                ASSERT_NEAR(got.r, 128, 40) << px << "," << py;
            }
        ASSERT_TRUE(StretchBlt(out, x, 2, w, c.to, plain, 0, 0, c.side, c.side, SRCCOPY));
        for (int32_t p = 2; p < c.to + 2; ++p) ASSERT_EQ(out.get(p, p), (Color{200, 64, 16})) << p;
    }
}

// Levels are made only while the free memory stays at least the picture's
// size; without them the shrink reads the picture itself, as well averaged.
TEST(Halftone, ReducedCopiesLeaveRoomForThePicture) {
    Surface board(512, 512, 24);
    Checkerboard(board);
    const uint64_t picture = board.bitmap->byteSize();
    const struct { uint64_t spare; int levels; } cases[] = {{0, 0}, {picture + picture / 4 + 4096, 1}, {3 * picture, 3}};
    for (const auto& c : cases) {
        Surface out(40, 40, 24);
        SetStretchBltMode(out, HALFTONE);
        DropReducedCopies(*board.bitmap);
        ScopedMemoryBudget budget(MemoryInUse() + c.spare);
        EXPECT_EQ(ReduceUpTo(*board.bitmap, 3), c.levels) << c.spare;
        EXPECT_EQ(ReducedLevel(*board.bitmap, c.levels).width(), ReducedSide(512, c.levels));
        ASSERT_TRUE(StretchBlt(out, 0, 0, 40, 40, board, 0, 0, 512, 512, SRCCOPY));
        EXPECT_NEAR(out.get(17, 23).g, 128, 40) << c.spare;
    }
    EXPECT_EQ(HalftoneLevel(1.9), 0);
    EXPECT_EQ(HalftoneLevel(4.0), 2);
    EXPECT_EQ(ReducedSide(7, 2), 2);
}

}  // namespace
}  // namespace gdi::test

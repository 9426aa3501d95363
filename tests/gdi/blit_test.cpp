#include "platform/gdi/blit.h"

#include <climits>

#include "surface.h"

namespace gdi::test {
namespace {

// Every pixel of dst against an exact, possibly mirrored copy placed at
// bitmap position (X, Y) with extents (w, h) from source point (sx, sy):
// pixels outside the clip or the source keep the marker.
void ExpectCopy(const Surface& dst, const Surface& src, int32_t X, int32_t Y, int32_t w, int32_t h, int32_t sx,
                int32_t sy, RECT clip, const std::string& what) {
    for (int32_t py = 0; py < dst.bitmap->height(); ++py)
        for (int32_t px = 0; px < dst.bitmap->width(); ++px) {
            const int32_t i = w > 0 ? px - X : X - 1 - px, j = h > 0 ? py - Y : Y - 1 - py;
            const int32_t cx = sx + i, cy = sy + j;
            const bool shown = px >= clip.left && px < clip.right && py >= clip.top && py < clip.bottom &&
                               i >= 0 && i < std::abs(w) && j >= 0 && j < std::abs(h) && cx >= 0 &&
                               cx < src.bitmap->width() && cy >= 0 && cy < src.bitmap->height();
            ASSERT_EQ(dst.get(px, py), shown ? Surface::Pattern(cx, cy) : kMarker) << what << " at " << px << "," << py;
        }
}

// Five-bit channels widen by << 3 and narrow to their top bits; bit 15 is
// ignored and written 0; the unused byte of 32 bits is written 0xFF. Both the
// straight path (block copy) and the sampled one (mirrored stretch).
TEST(BitBlt, ConvertsRawPixelsExactly) {
    const struct { int srcBits; uint32_t src; int dstBits; uint32_t dst; } cases[] = {
        {16, 0x7FFF, 24, 0xF8F8F8},   {16, 0x7C00, 32, 0xFFF80000}, {16, 0x83E0, 24, 0x00F800},
        {16, 0x801F, 16, 0x001F},     {24, 0xFF0807, 16, 0x7C20},   {24, 0x010203, 24, 0x010203},
        {24, 0x010203, 32, 0xFF010203}, {32, 0x55010203, 24, 0x010203}, {32, 0x00FFFFFF, 16, 0x7FFF},
    };
    for (const auto& c : cases)
        for (bool stretched : {false, true}) {
            Surface src(2, 1, c.srcBits), dst(2, 1, c.dstBits);
            src.setRaw(0, 0, c.src);
            src.setRaw(1, 0, c.src);
            ASSERT_TRUE(stretched ? StretchBlt(dst, 2, 0, -2, 1, src, 0, 0, 2, 1, SRCCOPY)
                                  : BitBlt(dst, 0, 0, 2, 1, src, 0, 0, SRCCOPY));
            EXPECT_EQ(dst.raw(0, 0), c.dst) << std::hex << c.src << " to " << std::dec << c.dstBits << " " << stretched;
        }
}

TEST(StretchBlt, MirrorsEachAxisAndBoth) {
    const struct { const char* name; int32_t x, y, w, h, sx, sy, sw, sh; int want[2][3]; } cases[] = {
        // want: source column * 10 + source row at each destination pixel.
        {"left-right", 3, 0, -3, 2, 0, 0, 3, 2, {{20, 10, 0}, {21, 11, 1}}},
        {"upside down", 0, 2, 3, -2, 0, 0, 3, 2, {{1, 11, 21}, {0, 10, 20}}},
        {"both", 3, 2, -3, -2, 0, 0, 3, 2, {{21, 11, 1}, {20, 10, 0}}},
        {"source mirrored", 0, 0, 3, 2, 3, 0, -3, 2, {{20, 10, 0}, {21, 11, 1}}},
        {"both sides mirrored", 3, 2, -3, -2, 3, 2, -3, -2, {{0, 10, 20}, {1, 11, 21}}},
    };
    for (const auto& c : cases)
        for (int bits : {16, 24, 32}) {
            Surface src(3, 2, 24, true), dst(3, 2, bits);
            src.fillPattern();
            ASSERT_TRUE(StretchBlt(dst, c.x, c.y, c.w, c.h, src, c.sx, c.sy, c.sw, c.sh, SRCCOPY));
            for (int32_t p = 0; p < 6; ++p) {
                const int e = c.want[p / 3][p % 3];
                EXPECT_EQ(dst.get(p % 3, p / 3), Surface::Pattern(e / 10, e % 10)) << c.name << " " << bits << " " << p;
            }
        }
}

TEST(StretchBlt, CopiesClippedToTheDrawablePartAndTheSource) {
    const struct { const char* name; POINT origin; RECT clip; int32_t x, y, w, h, sx, sy; } cases[] = {
        {"off the left and top", {0, 0}, {}, -2, -3, 4, 4, 0, 0},
        {"off the right and bottom", {0, 0}, {}, 6, 7, 4, 4, 0, 0},
        {"wholly outside", {0, 0}, {}, 20, 0, 4, 4, 0, 0},
        {"clip rectangle", {0, 0}, {3, 1, 5, 7}, 2, 2, 4, 4, 0, 0},
        {"origin and clip", {-1, 2}, {1, 1, 6, 5}, 1, 0, 4, 4, 0, 0},
        {"mirrored, clipped", {1, 1}, {2, 0, 8, 4}, 4, 4, -4, -4, 0, 0},
        {"source off every edge", {0, 0}, {}, -1, -1, 10, 10, -1, -1},
        {"mirrored, source off", {0, 0}, {}, 4, 0, -4, 4, 1, -1},
    };
    for (const auto& c : cases)
        for (int depths = 0; depths < 36; ++depths) {  // every depth and row order on both sides
            Surface src(4, 4, 16 + 8 * (depths % 3), depths / 9 % 2), dst(8, 8, 16 + 8 * (depths / 3 % 3), depths / 18);
            src.fillPattern();
            dst.dc->origin = c.origin;
            dst.dc->clip = c.clip;
            ASSERT_TRUE(StretchBlt(dst, c.x, c.y, c.w, c.h, src, c.sx, c.sy, std::abs(c.w), std::abs(c.h), SRCCOPY));
            ExpectCopy(dst, src, c.x + c.origin.x, c.y + c.origin.y, c.w, c.h, c.sx, c.sy,
                       c.clip.empty() ? RECT{0, 0, 8, 8} : c.clip, c.name + std::to_string(depths));
        }
}

// Which source pixel each destination pixel takes, on each axis, straight
// and mirrored.
TEST(StretchBlt, SamplesTheNearestSourcePixel) {
    const struct { int32_t from, to; std::vector<int> sampled; } cases[] = {
        {3, 6, {0, 0, 1, 1, 2, 2}}, {2, 14, {0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1}},
        {6, 3, {1, 3, 5}},          {2, 3, {0, 1, 1}},
    };
    for (const auto& c : cases)
        for (bool mirrored : {false, true}) {
            const int32_t n = c.to, w = mirrored ? -n : n, x = mirrored ? n : 0;
            Surface rowSrc(c.from, 1, 24), rowDst(n, 1, 32), colSrc(1, c.from, 16, true), colDst(1, n, 24, true);
            rowSrc.fillPattern();
            colSrc.fillPattern();
            ASSERT_TRUE(StretchBlt(rowDst, x, 0, w, 1, rowSrc, 0, 0, c.from, 1, SRCCOPY));
            ASSERT_TRUE(StretchBlt(colDst, 0, x, 1, w, colSrc, 0, 0, 1, c.from, SRCCOPY));
            for (int32_t i = 0; i < n; ++i) {
                const int32_t at = mirrored ? n - 1 - i : i;
                EXPECT_EQ(rowDst.get(at, 0), Surface::Pattern(c.sampled[i], 0)) << c.from << "->" << n << " " << i;
                EXPECT_EQ(colDst.get(0, at), Surface::Pattern(0, c.sampled[i])) << c.from << "->" << n << " " << i;
            }
        }
}

// One bitmap on both sides: overlapping moves read the pixels as they were.
TEST(BitBlt, OverlappingCopyWithinOneBitmap) {
    for (POINT move : {POINT{2, 1}, POINT{-1, -1}})
        for (int bits : {16, 24, 32}) {
            Surface s(6, 4, bits, true);
            s.fillPattern();
            const int32_t sx = std::max(0, -move.x), sy = std::max(0, -move.y), x = sx + move.x, y = sy + move.y;
            ASSERT_TRUE(BitBlt(s, x, y, 4, 3, s, sx, sy, SRCCOPY));
            for (int32_t py = 0; py < 4; ++py)
                for (int32_t px = 0; px < 6; ++px) {
                    const bool moved = px >= x && px < x + 4 && py >= y && py < y + 3;
                    ASSERT_EQ(s.get(px, py), moved ? Surface::Pattern(px - move.x, py - move.y) : Surface::Pattern(px, py))
                        << bits << " move " << move.x << "," << move.y << " at " << px << "," << py;
                }
        }
}

// Bad arguments fail; a missing bitmap on either side draws nothing and
// succeeds; extents at the limits of 32 bits neither overflow nor cost time
// in proportion to the rectangles.
TEST(StretchBlt, OddArgumentsAndExtremeExtents) {
    Surface src(4, 4, 24), dst(4, 4, 32);
    src.fillPattern();
    DeviceContextPtr empty = CreateCompatibleDC(nullptr);
    EXPECT_FALSE(BitBlt(nullptr, 0, 0, 2, 2, src, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(dst, 0, 0, 2, 2, nullptr, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(dst, 0, 0, 2, 2, src, 0, 0, 0x00EE0086));
    EXPECT_FALSE(BitBlt(dst, 0, 0, -2, 2, src, 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(empty.get(), 0, 0, 2, 2, src, 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(dst, 0, 0, 2, 2, empty.get(), 0, 0, SRCCOPY));
    ASSERT_EQ(dst.get(0, 0), kMarker);

    ASSERT_TRUE(StretchBlt(dst, 0, 0, INT32_MAX, INT32_MAX, src, 0, 0, INT32_MAX, INT32_MAX, SRCCOPY));
    ExpectCopy(dst, src, 0, 0, 4, 4, 0, 0, {0, 0, 4, 4}, "huge exact copy");
    ASSERT_TRUE(StretchBlt(dst, INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN, src, INT32_MAX, 0, INT32_MIN, 4, SRCCOPY));
    dst.dc->origin = {INT32_MAX, INT32_MIN};
    ASSERT_TRUE(StretchBlt(dst, INT32_MIN, INT32_MAX, 4, 4, src, 0, 0, 4, 4, SRCCOPY));
}

}  // namespace
}  // namespace gdi::test

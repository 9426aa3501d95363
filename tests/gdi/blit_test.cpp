#include "platform/gdi/blit.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "surface.h"

namespace gdi::test {
namespace {

constexpr int kDepths[] = {16, 24, 32};
constexpr bool kOrders[] = {false, true};

// Checks every pixel of dst against an exact (possibly mirrored, clipped)
// copy model: destination pixel (px, py) of the placed rectangle at bitmap
// position (X, Y) with extents (w, h) shows source pixel (sx + i, sy + j),
// or keeps the marker when that lies outside the source or the clip.
struct CopyModel {
    int32_t X, Y, w, h, sx, sy;
    RECT clip;  // in bitmap pixels
    Color expected(const Surface& src, int32_t px, int32_t py) const {
        if (px < clip.left || px >= clip.right || py < clip.top || py >= clip.bottom) return kMarker;
        const int32_t i = w > 0 ? px - X : X - 1 - px;
        const int32_t j = h > 0 ? py - Y : Y - 1 - py;
        if (i < 0 || i >= std::abs(w) || j < 0 || j >= std::abs(h)) return kMarker;
        const int32_t cx = sx + i, cy = sy + j;
        if (cx < 0 || cx >= src.width() || cy < 0 || cy >= src.height()) return kMarker;
        return Surface::Pattern(cx, cy);
    }
};

void ExpectModel(const Surface& dst, const Surface& src, const CopyModel& model, const std::string& what) {
    for (int32_t py = 0; py < dst.height(); ++py)
        for (int32_t px = 0; px < dst.width(); ++px)
            ASSERT_EQ(dst.get(px, py), model.expected(src, px, py)) << what << " at " << px << "," << py;
}

TEST(BitBlt, CopiesBetweenEveryDepthAndRowOrder) {
    for (int srcBits : kDepths)
        for (bool srcUp : kOrders)
            for (int dstBits : kDepths)
                for (bool dstUp : kOrders) {
                    Surface src(5, 3, srcBits, srcUp), dst(7, 6, dstBits, dstUp);
                    src.fillPattern();
                    dst.fill(kMarker);
                    ASSERT_TRUE(BitBlt(dst, 1, 2, 5, 3, src, 0, 0, SRCCOPY));
                    ExpectModel(dst, src, {1, 2, 5, 3, 0, 0, {0, 0, 7, 6}},
                                DepthName(srcBits, srcUp) + " -> " + DepthName(dstBits, dstUp));
                }
}

// Raw pixel values across depths: 5-bit widening by << 3, narrowing to the
// top 5 bits, bit 15 ignored and written 0, the unused byte written 0xFF.
TEST(BitBlt, ConvertsPixelFormatsExactly) {
    struct Case {
        int srcBits;
        uint32_t srcRaw;
        int dstBits;
        uint32_t dstRaw;
    };
    const Case cases[] = {
        {16, 0x7FFF, 24, 0xF8F8F8},     {16, 0x7FFF, 32, 0xFFF8F8F8},   {16, 0x7C00, 24, 0xF80000},
        {16, 0x03E0, 32, 0xFF00F800},   {16, 0x001F, 24, 0x0000F8},     {16, 0x801F, 16, 0x001F},
        {16, 0x8000, 32, 0xFF000000},   {24, 0xFF0807, 16, 0x7C20},     {24, 0x070F17, 16, 0x0022},
        {24, 0x010203, 24, 0x010203},   {24, 0x010203, 32, 0xFF010203}, {32, 0x55010203, 24, 0x010203},
        {32, 0x00010203, 32, 0xFF010203}, {32, 0x00FFFFFF, 16, 0x7FFF},
    };
    for (const Case& c : cases)
        for (bool stretched : {false, true}) {
            Surface src(2, 1, c.srcBits), dst(2, 1, c.dstBits);
            src.setRaw(0, 0, c.srcRaw);
            src.setRaw(1, 0, c.srcRaw);
            // A mirrored stretch takes the sampling path, a block copy the straight one.
            ASSERT_TRUE(stretched ? StretchBlt(dst, 2, 0, -2, 1, src, 0, 0, 2, 1, SRCCOPY)
                                  : BitBlt(dst, 0, 0, 2, 1, src, 0, 0, SRCCOPY));
            EXPECT_EQ(dst.raw(0, 0), c.dstRaw) << std::hex << c.srcBits << ":" << c.srcRaw << " -> "
                                               << std::dec << c.dstBits << (stretched ? " stretched" : "");
        }
}

TEST(StretchBlt, MirrorsEachAxisAndBoth) {
    struct Case {
        const char* name;
        int32_t x, y, w, h, sx, sy, sw, sh;
        int expected[2][3];  // source column * 10 + source row at each destination pixel
    };
    const Case cases[] = {
        {"plain", 0, 0, 3, 2, 0, 0, 3, 2, {{0, 10, 20}, {1, 11, 21}}},
        {"left-right", 3, 0, -3, 2, 0, 0, 3, 2, {{20, 10, 0}, {21, 11, 1}}},
        {"upside down", 0, 2, 3, -2, 0, 0, 3, 2, {{1, 11, 21}, {0, 10, 20}}},
        {"both", 3, 2, -3, -2, 0, 0, 3, 2, {{21, 11, 1}, {20, 10, 0}}},
        {"source left-right", 0, 0, 3, 2, 3, 0, -3, 2, {{20, 10, 0}, {21, 11, 1}}},
        {"source and destination", 3, 2, -3, -2, 3, 2, -3, -2, {{0, 10, 20}, {1, 11, 21}}},
    };
    for (const Case& c : cases)
        for (int srcBits : kDepths)
            for (int dstBits : kDepths) {
                Surface src(3, 2, srcBits, true), dst(3, 2, dstBits);
                src.fillPattern();
                ASSERT_TRUE(StretchBlt(dst, c.x, c.y, c.w, c.h, src, c.sx, c.sy, c.sw, c.sh, SRCCOPY));
                for (int32_t y = 0; y < 2; ++y)
                    for (int32_t x = 0; x < 3; ++x) {
                        const int e = c.expected[y][x];
                        EXPECT_EQ(dst.get(x, y), Surface::Pattern(e / 10, e % 10))
                            << c.name << " " << srcBits << "->" << dstBits << " at " << x << "," << y;
                    }
            }
}

// Clipping at each edge, by the context's clip rectangle and through its
// origin, for straight and mirrored copies; source pixels outside the source
// bitmap leave the destination alone.
TEST(StretchBlt, ClipsToTheDrawablePartAndTheSource) {
    struct Case {
        const char* name;
        POINT origin;
        RECT clip;  // empty: the whole bitmap
        int32_t x, y, w, h, sx, sy;
    };
    const Case cases[] = {
        {"inside", {0, 0}, {}, 2, 2, 4, 4, 0, 0},
        {"off the left", {0, 0}, {}, -2, 1, 4, 4, 0, 0},
        {"off the right", {0, 0}, {}, 6, 1, 4, 4, 0, 0},
        {"off the top", {0, 0}, {}, 1, -3, 4, 4, 0, 0},
        {"off the bottom", {0, 0}, {}, 1, 7, 4, 4, 0, 0},
        {"off every edge", {0, 0}, {}, -1, -1, 10, 10, 0, 0},
        {"wholly outside", {0, 0}, {}, 20, 0, 4, 4, 0, 0},
        {"clip rectangle", {0, 0}, {3, 1, 5, 7}, 2, 2, 4, 4, 0, 0},
        {"origin", {2, 3}, {}, -1, -1, 4, 4, 0, 0},
        {"origin and clip", {-1, 2}, {1, 1, 6, 5}, 1, 0, 4, 4, 0, 0},
        {"mirrored off the left", {0, 0}, {}, 2, 0, -4, 4, 0, 0},
        {"mirrored both, clipped", {1, 1}, {2, 0, 8, 4}, 4, 4, -4, -4, 0, 0},
        {"source off its left", {0, 0}, {}, 0, 0, 4, 4, -2, 0},
        {"source off its bottom right", {0, 0}, {}, 1, 1, 4, 4, 2, 3},
        {"mirrored, source off its top", {0, 0}, {}, 4, 0, -4, 4, 1, -1},
    };
    for (const Case& c : cases)
        for (int bits : {24, 16}) {
            Surface src(4, 4, 24, true), dst(8, 8, bits);
            src.fillPattern();
            dst.fill(kMarker);
            dst.dc->origin = c.origin;
            dst.dc->clip = c.clip;
            ASSERT_TRUE(StretchBlt(dst, c.x, c.y, c.w, c.h, src, c.sx, c.sy, std::abs(c.w), std::abs(c.h),
                                   SRCCOPY))
                << c.name;
            const RECT clip = c.clip.empty() ? RECT{0, 0, 8, 8} : c.clip;
            ExpectModel(dst, src, {c.x + c.origin.x, c.y + c.origin.y, c.w, c.h, c.sx, c.sy, clip},
                        std::string(c.name) + " " + std::to_string(bits));
        }
}

// Which source pixel each destination pixel takes when scaling, along each
// axis, straight and mirrored.
TEST(StretchBlt, SamplesTheNearestSourcePixel) {
    struct Case {
        int32_t srcCount, dstCount;
        std::vector<int> sampled;
    };
    const Case cases[] = {
        {3, 6, {0, 0, 1, 1, 2, 2}},
        {2, 14, {0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1}},
        {6, 3, {1, 3, 5}},
        {3, 2, {0, 2}},
        {2, 3, {0, 1, 1}},
        {5, 5, {0, 1, 2, 3, 4}},
        {7, 1, {3}},
    };
    for (const Case& c : cases)
        for (bool mirrored : {false, true}) {
            const int32_t n = c.dstCount, w = mirrored ? -n : n, x = mirrored ? n : 0;
            // Columns: a one-row source; rows: a one-column source.
            Surface rowSrc(c.srcCount, 1, 24), rowDst(n, 1, 32);
            Surface colSrc(1, c.srcCount, 16, true), colDst(1, n, 24, true);
            rowSrc.fillPattern();
            colSrc.fillPattern();
            ASSERT_TRUE(StretchBlt(rowDst, x, 0, w, 1, rowSrc, 0, 0, c.srcCount, 1, SRCCOPY));
            ASSERT_TRUE(StretchBlt(colDst, 0, x, 1, w, colSrc, 0, 0, 1, c.srcCount, SRCCOPY));
            for (int32_t i = 0; i < n; ++i) {
                const int32_t at = mirrored ? n - 1 - i : i;
                EXPECT_EQ(rowDst.get(at, 0), Surface::Pattern(c.sampled[i], 0))
                    << c.srcCount << "->" << n << (mirrored ? " mirrored" : "") << " column " << i;
                EXPECT_EQ(colDst.get(0, at), Surface::Pattern(0, c.sampled[i]))
                    << c.srcCount << "->" << n << (mirrored ? " mirrored" : "") << " row " << i;
            }
        }
}

TEST(StretchBlt, ScalesBothAxesTogether) {
    Surface src(3, 2, 24, true), dst(21, 4, 32);
    src.fillPattern();
    ASSERT_TRUE(StretchBlt(dst, 0, 0, 21, 4, src, 0, 0, 3, 2, SRCCOPY));
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 21; ++x) ASSERT_EQ(dst.get(x, y), Surface::Pattern(x / 7, y / 2)) << x << "," << y;
}

// Source and destination the same bitmap: overlapping moves in every
// direction read the pixels as they were before the call.
TEST(BitBlt, OverlappingCopyWithinOneBitmap) {
    struct Case {
        int32_t x, y, sx, sy;
    };
    const Case cases[] = {{2, 0, 0, 0}, {0, 0, 2, 0}, {0, 1, 0, 0}, {1, 0, 0, 1}, {1, 1, 0, 0}};
    for (const Case& c : cases)
        for (int bits : kDepths) {
            Surface s(6, 4, bits, true);
            s.fillPattern();
            ASSERT_TRUE(BitBlt(s, c.x, c.y, 4, 3, s, c.sx, c.sy, SRCCOPY));
            for (int32_t y = 0; y < 4; ++y)
                for (int32_t x = 0; x < 6; ++x) {
                    const bool moved = x >= c.x && x < c.x + 4 && y >= c.y && y < c.y + 3;
                    const Color want = moved ? Surface::Pattern(x - c.x + c.sx, y - c.y + c.sy) : Surface::Pattern(x, y);
                    ASSERT_EQ(s.get(x, y), want) << bits << " move " << c.x << "," << c.y << " at " << x << "," << y;
                }
        }
}

TEST(BitBlt, RasterOperationsWithoutSource) {
    struct Case {
        uint32_t rop;
        int bits;
        uint32_t before, after;
    };
    const Case cases[] = {
        {PATCOPY, 16, 0x1234, 0x2108},        {PATCOPY, 24, 0x123456, 0x404040},
        {PATCOPY, 32, 0x00123456, 0xFF404040}, {DSTINVERT, 16, 0x1234, 0x6DCB},
        {DSTINVERT, 16, 0x8000, 0x7FFF},       {DSTINVERT, 24, 0x123456, 0xEDCBA9},
        {DSTINVERT, 32, 0x00123456, 0xFFEDCBA9}, {BLACKNESS, 16, 0x7FFF, 0},
        {BLACKNESS, 32, 0x00FFFFFF, 0xFF000000}, {WHITENESS, 16, 0, 0x7FFF},
        {WHITENESS, 24, 0, 0xFFFFFF},          {WHITENESS, 32, 0, 0xFFFFFFFF},
    };
    for (const Case& c : cases) {
        Surface dst(4, 3, c.bits, true);
        for (int32_t y = 0; y < 3; ++y)
            for (int32_t x = 0; x < 4; ++x) dst.setRaw(x, y, c.before);
        SelectObject(dst.dc.get(), GetStockBrush(DKGRAY_BRUSH));
        // No source needed; extents pointing backwards cover the same pixels.
        ASSERT_TRUE(StretchBlt(dst, 3, 1, -2, 2, nullptr, 0, 0, 0, 0, c.rop));
        for (int32_t y = 0; y < 3; ++y)
            for (int32_t x = 0; x < 4; ++x) {
                const bool inside = x >= 1 && x < 3 && y >= 1;
                EXPECT_EQ(dst.raw(x, y), inside ? c.after : c.before)
                    << std::hex << c.rop << " " << std::dec << c.bits << " at " << x << "," << y;
            }
    }
}

TEST(BitBlt, RefusesBadArgumentsAndDrawsNothingWithoutBitmaps) {
    Surface src(2, 2, 24), dst(2, 2, 24);
    src.fill({8, 8, 8});
    DeviceContextPtr empty = CreateCompatibleDC(nullptr);  // no bitmap selected
    struct Case {
        const char* name;
        HDC to, from;
        int32_t w, h;
        uint32_t rop;
        bool result;
    };
    const Case cases[] = {
        {"no destination", nullptr, src, 2, 2, SRCCOPY, false},
        {"no source", dst, nullptr, 2, 2, SRCCOPY, false},
        {"unknown rop", dst, src, 2, 2, 0x00EE0086, false},
        {"negative width", dst, src, -2, 2, SRCCOPY, false},
        {"negative height", dst, src, 2, -2, SRCCOPY, false},
        {"no destination bitmap", empty.get(), src, 2, 2, SRCCOPY, true},
        {"no source bitmap", dst, empty.get(), 2, 2, SRCCOPY, true},
        {"zero width", dst, src, 0, 2, SRCCOPY, true},
        {"zero height", dst, src, 2, 0, SRCCOPY, true},
    };
    for (const Case& c : cases) {
        dst.fill(kMarker);
        EXPECT_EQ(BitBlt(c.to, 0, 0, c.w, c.h, c.from, 0, 0, c.rop), c.result) << c.name;
        EXPECT_EQ(dst.get(0, 0), kMarker) << c.name;
    }
    EXPECT_TRUE(StretchBlt(dst, 0, 0, 2, 2, src, 0, 0, 0, 2, SRCCOPY)) << "empty source";
    EXPECT_EQ(dst.get(0, 0), kMarker);
}

// Extents near the limits of 32 bits neither overflow nor take time in
// proportion to the rectangles: only the visible pixels are computed.
TEST(StretchBlt, ExtremeExtentsStayExactAndCheap) {
    Surface src(4, 4, 24), dst(4, 4, 32);
    src.fillPattern();
    ASSERT_TRUE(StretchBlt(dst, 0, 0, INT32_MAX, INT32_MAX, src, 0, 0, INT32_MAX, INT32_MAX, SRCCOPY));
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 4; ++x) ASSERT_EQ(dst.get(x, y), Surface::Pattern(x, y));

    dst.fill(kMarker);
    ASSERT_TRUE(StretchBlt(dst, INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN, src, 0, 0, 4, 4, SRCCOPY));
    ASSERT_TRUE(StretchBlt(dst, INT32_MIN, 0, INT32_MAX, 4, src, INT32_MIN, 0, INT32_MIN, 4, SRCCOPY));
    ASSERT_TRUE(StretchBlt(dst, 0, 0, 4, 4, src, INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN, SRCCOPY));
    dst.dc->origin = {INT32_MAX, INT32_MIN};
    ASSERT_TRUE(StretchBlt(dst, INT32_MAX, INT32_MAX, 4, 4, src, 0, 0, 4, 4, SRCCOPY));
    ASSERT_TRUE(BitBlt(dst, INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, nullptr, 0, 0, DSTINVERT));
}

}  // namespace
}  // namespace gdi::test

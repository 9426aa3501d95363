#include "platform/gdi/paint.h"

#include <climits>

#include "surface.h"

namespace gdi::test {
namespace {

// Stock brushes in each depth, by FillRect and by a pattern copy; a solid
// brush narrows to the top five bits.
TEST(FillRect, BrushColoursInEveryDepth) {
    BrushPtr odd = CreateSolidBrush(RGB(200, 100, 7));
    const struct { HBRUSH brush; uint32_t raw16, raw24; } cases[] = {
        {GetStockBrush(WHITE_BRUSH), 0x7FFF, 0xFFFFFF}, {GetStockBrush(LTGRAY_BRUSH), 0x6318, 0xC0C0C0},
        {GetStockBrush(GRAY_BRUSH), 0x4210, 0x808080},  {GetStockBrush(DKGRAY_BRUSH), 0x2108, 0x404040},
        {GetStockBrush(BLACK_BRUSH), 0x0000, 0x000000}, {odd.get(), 0x6580, 0xC86407},
    };
    for (const auto& c : cases)
        for (int run = 0; run < 6; ++run) {
            const int bits = 16 + 8 * (run % 3);
            Surface s(4, 4, bits, true);
            const uint32_t marker = s.raw(0, 0);
            const RECT r{1, 2, 3, 4};
            SelectObject(s.dc.get(), c.brush);
            ASSERT_TRUE(run < 3 ? FillRect(s, &r, c.brush) == 1 : PatBlt(s, 3, 4, -2, -2, PATCOPY));
            const uint32_t want = bits == 16 ? c.raw16 : bits == 24 ? c.raw24 : 0xFF000000 | c.raw24;
            for (int32_t p = 0; p < 16; ++p) {
                const bool inside = p % 4 >= 1 && p % 4 < 3 && p / 4 >= 2;
                EXPECT_EQ(s.raw(p % 4, p / 4), inside ? want : marker) << bits << " pixel " << p;
            }
        }
}

// Lines end before their end point, follow Bresenham's pixels, are w pixels
// thick, and are clipped through the origin and the clip rectangle.
TEST(LineTo, DrawsThePixelsOfTheLine) {
    const struct { const char* name; POINT from, to; int32_t width; POINT origin; RECT clip; std::vector<std::string> picture; } cases[] = {
        {"leftwards", {5, 1}, {1, 1}, 1, {}, {}, {"......", "..####"}},
        {"shallow", {0, 0}, {4, 2}, 1, {}, {}, {"#.....", ".##...", "...#.."}},
        {"steep upwards", {1, 4}, {3, 0}, 1, {}, {}, {"......", "...#..", "..#...", "..#...", ".#...."}},
        {"wide", {0, 2}, {6, 2}, 3, {}, {}, {"......", "######", "######", "######", "......"}},
        {"even width", {2, 1}, {2, 3}, 2, {}, {}, {"......", ".##...", ".##...", "......"}},
        {"clipped", {-10, -7}, {10, 13}, 1, {}, {1, 0, 6, 5}, {"......", "......", "......", "......", ".#...."}},
        {"origin", {-1, 0}, {3, 0}, 1, {2, 1}, {}, {"......", ".####.", "......"}},
        {"far away", {-2000000000, 2}, {2000000000, 2}, 1, {}, {}, {"......", "......", "######"}},
    };
    for (const auto& c : cases)
        for (int bits : {16, 32}) {
            Surface s(6, 5, bits);
            s.dc->origin = c.origin;
            s.dc->clip = c.clip;
            PenPtr pen = CreatePen(PS_SOLID, c.width, RGB(0, 0, 0));
            SelectObject(s.dc.get(), pen.get());
            MoveToEx(s, c.from.x, c.from.y, nullptr);
            ASSERT_TRUE(LineTo(s, c.to.x, c.to.y));
            s.expect(c.picture, c.name);
            EXPECT_EQ(s.dc->penPosition.x, c.to.x) << c.name;
        }
}

// The inverting drag line inverts exactly the pixels under it; drawn twice it
// restores their colours.
TEST(LineTo, InvertingLineTwiceRestoresThePixels) {
    const struct { POINT from, to; int32_t width, pixels; } cases[] = {
        {{0, 4}, {12, 4}, 5, 60}, {{-2, 9}, {11, 1}, 3, 32}, {{1, 0}, {5, 9}, 4, 34}};
    for (const auto& c : cases)
        for (int bits : {16, 24, 32}) {
            Surface s(12, 9, bits, true);
            std::vector<uint32_t> before;
            for (int32_t p = 0; p < 108; ++p) {
                s.setRaw(p % 12, p / 12, 0x9E3779B9u * uint32_t(p + 1));
                before.push_back(s.raw(p % 12, p / 12));
            }
            PenPtr pen = CreatePen(PS_SOLID, c.width, RGB(0, 0, 0));
            SelectObject(s.dc.get(), pen.get());
            EXPECT_EQ(SetROP2(s, R2_NOT), R2_COPYPEN);
            const uint32_t meaningful = bits == 16 ? 0x7FFF : 0xFFFFFF;
            for (int pass = 1; pass <= 2; ++pass) {
                MoveToEx(s, c.from.x, c.from.y, nullptr);
                LineTo(s, c.to.x, c.to.y);
                int inverted = 0;
                for (int32_t p = 0; p < 108; ++p) {
                    const uint32_t now = s.raw(p % 12, p / 12), was = before[size_t(p)];
                    const bool changed = (now & meaningful) != (was & meaningful);
                    // An inverted pixel has bit 15 clear or the unused byte 0xFF.
                    const uint32_t inverse = (~was & meaningful) | (bits == 32 ? 0xFF000000 : 0);
                    EXPECT_EQ(now, pass == 2 || !changed ? now : inverse) << bits << " pixel " << p;
                    inverted += changed;
                }
                EXPECT_EQ(inverted, pass == 1 ? c.pixels : 0) << bits << " pass " << pass;
            }
        }
}

TEST(Rectangle, OutlinesWithThePenAndFillsWithTheBrush) {
    Surface s(7, 6, 32);
    SelectObject(s.dc.get(), GetStockBrush(GRAY_BRUSH));
    ASSERT_TRUE(Rectangle(s, 6, 5, 1, 1));  // corners in either order
    s.expect({".......", ".#####.", ".#ggg#.", ".#ggg#.", ".#####.", "......."}, "frame");
}

// The separator band (edge 9: raised outer, sunken inner; flags 0x80A: top,
// bottom and middle) and a raised edge on all sides, whose bottom and right
// own their corners.
TEST(DrawEdge, PaintsTheHandheldsThreeDimensionalEdges) {
    const struct { uint32_t edge, flags; RECT r, adjusted; std::vector<std::string> picture; } cases[] = {
        {9, 0x80A | BF_ADJUST, {0, 1, 4, 10}, {0, 3, 4, 8}, {"....", "WWWW", "gggg", "llll", "llll", "llll", "llll", "llll", "llll", "####", "...."}},
        {EDGE_RAISED, BF_RECT, {0, 0, 4, 5}, {0, 0, 4, 5}, {"WWW#", "Wlg#", "Wlg#", "Wgg#", "####", "...."}},
        {EDGE_SUNKEN, BF_LEFT | BF_BOTTOM | BF_ADJUST, {0, 0, 4, 4}, {2, 0, 4, 2}, {"#g..", "#g..", "#lll", "WWWW", "...."}},
    };
    for (const auto& c : cases) {
        Surface s(4, 11, 24);
        RECT r = c.r;
        ASSERT_TRUE(DrawEdge(s, &r, c.edge, c.flags));
        EXPECT_EQ(r, c.adjusted) << c.edge;
        s.expect(c.picture, "edge " + std::to_string(c.edge));
    }
    // Without a bitmap nothing is drawn but the rectangle still adjusts.
    DeviceContextPtr empty = CreateCompatibleDC(nullptr);
    RECT band{0, 0, 240, 9};
    EXPECT_TRUE(DrawEdge(empty.get(), &band, 9, 0x80A | BF_ADJUST));
    EXPECT_EQ(band, (RECT{0, 2, 240, 7}));
}

}  // namespace
}  // namespace gdi::test

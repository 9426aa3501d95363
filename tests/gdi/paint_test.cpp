#include "platform/gdi/paint.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "surface.h"

namespace gdi::test {
namespace {

// Rows of a picture drawn as text: '.' untouched (marker), '#' the colour
// asked for, other letters per test.
void ExpectPicture(const Surface& s, const std::vector<std::string>& rows, const std::string& what,
                   Color ink) {
    ASSERT_EQ(int32_t(rows.size()), s.height());
    for (int32_t y = 0; y < s.height(); ++y)
        for (int32_t x = 0; x < s.width(); ++x) {
            const Color want = rows[y][x] == '#' ? ink : kMarker;
            ASSERT_EQ(s.get(x, y), want) << what << " at " << x << "," << y;
        }
}

TEST(FillRect, StockBrushesInEveryDepth) {
    struct Case {
        StockObject brush;
        uint32_t raw16, raw24, raw32;
    };
    const Case cases[] = {
        {WHITE_BRUSH, 0x7FFF, 0xFFFFFF, 0xFFFFFFFF}, {LTGRAY_BRUSH, 0x6318, 0xC0C0C0, 0xFFC0C0C0},
        {GRAY_BRUSH, 0x4210, 0x808080, 0xFF808080},  {DKGRAY_BRUSH, 0x2108, 0x404040, 0xFF404040},
        {BLACK_BRUSH, 0x0000, 0x000000, 0xFF000000},
    };
    for (const Case& c : cases)
        for (int bits : {16, 24, 32}) {
            Surface s(4, 4, bits, true);
            s.fill(kMarker);
            const RECT r{1, 2, 3, 4};
            ASSERT_EQ(FillRect(s, &r, GetStockBrush(c.brush)), 1);
            const uint32_t want = bits == 16 ? c.raw16 : bits == 24 ? c.raw24 : c.raw32;
            for (int32_t y = 0; y < 4; ++y)
                for (int32_t x = 0; x < 4; ++x) {
                    if (x >= 1 && x < 3 && y >= 2)
                        EXPECT_EQ(s.raw(x, y), want) << c.brush << " " << bits << " at " << x << "," << y;
                    else
                        EXPECT_EQ(s.get(x, y), kMarker) << c.brush << " " << bits << " at " << x << "," << y;
                }
        }
}

// 8-bit channels narrow to 16 bits by keeping their top five bits.
TEST(FillRect, SolidBrushNarrowsTo555) {
    struct Case {
        COLORREF color;
        uint32_t raw16;
    };
    const Case cases[] = {{RGB(200, 100, 7), 0x6580}, {RGB(7, 7, 7), 0}, {RGB(8, 16, 255), 0x045F},
                          {RGB(255, 0, 0), 0x7C00}};
    for (const Case& c : cases) {
        Surface s(1, 1, 16);
        BrushPtr brush = CreateSolidBrush(c.color);
        const RECT r{0, 0, 1, 1};
        FillRect(s, &r, brush.get());
        EXPECT_EQ(s.raw(0, 0), c.raw16) << std::hex << c.color;
    }
}

TEST(FillRect, ClipsThroughOriginAndClipRectangle) {
    struct Case {
        const char* name;
        POINT origin;
        RECT clip, rect;
        std::vector<std::string> picture;
    };
    const Case cases[] = {
        {"past every edge", {0, 0}, {}, {-5, -5, 50, 50}, {"####", "####", "####"}},
        {"origin", {1, 1}, {}, {-2, -2, 1, 0}, {"##..", "....", "...."}},
        {"origin inside", {2, 1}, {}, {0, 0, 1, 2}, {"....", "..#.", "..#."}},
        {"clip", {0, 0}, {1, 1, 3, 3}, {0, 0, 4, 3}, {"....", ".##.", ".##."}},
        {"reversed rectangle", {0, 0}, {}, {3, 3, 1, 1}, {"....", "....", "...."}},
        {"huge", {-(INT32_MAX - 2), INT32_MAX}, {}, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, {"##..", "##..", "##.."}},
    };
    for (const Case& c : cases) {
        Surface s(4, 3, 24);
        s.fill(kMarker);
        s.dc->origin = c.origin;
        s.dc->clip = c.clip;
        FillRect(s, &c.rect, GetStockBrush(BLACK_BRUSH));
        ExpectPicture(s, c.picture, c.name, Color{0, 0, 0});
    }
}

struct LineCase {
    const char* name;
    POINT from, to;
    int32_t width;
    std::vector<std::string> picture;
};

// Pixels of lines, end point excluded, on a 6 x 5 bitmap.
TEST(LineTo, DrawsThePixelsOfTheLine) {
    const LineCase cases[] = {
        {"horizontal", {1, 1}, {5, 1}, 1, {"......", ".####.", "......", "......", "......"}},
        {"leftwards", {5, 1}, {1, 1}, 1, {"......", "..####", "......", "......", "......"}},
        {"vertical", {2, 0}, {2, 4}, 1, {"..#...", "..#...", "..#...", "..#...", "......"}},
        {"diagonal", {0, 0}, {4, 4}, 1, {"#.....", ".#....", "..#...", "...#..", "......"}},
        {"shallow", {0, 0}, {4, 2}, 1, {"#.....", ".##...", "...#..", "......", "......"}},
        {"steep upwards", {1, 4}, {3, 0}, 1, {"......", "...#..", "..#...", "..#...", ".#...."}},
        {"wide horizontal", {0, 2}, {6, 2}, 3, {"......", "######", "######", "######", "......"}},
        {"even width", {1, 2}, {4, 2}, 2, {"......", ".###..", ".###..", "......", "......"}},
        {"wide vertical", {2, 1}, {2, 3}, 3, {"......", ".###..", ".###..", "......", "......"}},
        {"clipped", {-10, -7}, {10, 13}, 1, {"......", "......", "......", "#.....", ".#...."}},
        {"far away", {-1000000, 2}, {1000000, 2}, 1, {"......", "......", "######", "......", "......"}},
        {"a point", {3, 3}, {3, 3}, 1, {"......", "......", "......", "......", "......"}},
    };
    for (const LineCase& c : cases)
        for (int bits : {16, 32}) {
            Surface s(6, 5, bits);
            s.fill(kMarker);
            PenPtr pen = CreatePen(PS_SOLID, c.width, RGB(0, 0, 0));
            SelectObject(s.dc.get(), pen.get());
            ASSERT_TRUE(MoveToEx(s, c.from.x, c.from.y, nullptr));
            ASSERT_TRUE(LineTo(s, c.to.x, c.to.y));
            ExpectPicture(s, c.picture, std::string(c.name) + " " + std::to_string(bits), Color{0, 0, 0});
            POINT at{};
            MoveToEx(s, 0, 0, &at);
            EXPECT_EQ(at.x, c.to.x) << c.name << ": LineTo moves the current position";
            EXPECT_EQ(at.y, c.to.y) << c.name;
        }
}

// The inverting drag line: drawn once it inverts exactly the pixels under
// it; drawn twice at the same place it restores them, in every depth.
TEST(LineTo, InvertingLineTwiceRestoresThePixels) {
    const LineCase cases[] = {
        {"drag line", {0, 4}, {12, 4}, 5, {}},
        {"vertical", {3, 0}, {3, 9}, 2, {}},
        {"diagonal", {-2, 9}, {11, 1}, 3, {}},
        {"steep", {1, 0}, {5, 9}, 4, {}},
    };
    for (const LineCase& c : cases)
        for (int bits : {16, 24, 32}) {
            Surface s(12, 9, bits, true);
            for (int32_t y = 0; y < 9; ++y)
                for (int32_t x = 0; x < 12; ++x) s.setRaw(x, y, uint32_t(0x9E3779B9u * uint32_t(y * 12 + x + 1)));
            std::vector<uint32_t> before;
            for (int32_t y = 0; y < 9; ++y)
                for (int32_t x = 0; x < 12; ++x) before.push_back(s.raw(x, y));

            PenPtr pen = CreatePen(PS_SOLID, c.width, RGB(0, 0, 0));
            SelectObject(s.dc.get(), pen.get());
            EXPECT_EQ(SetROP2(s, R2_NOT), R2_COPYPEN);
            MoveToEx(s, c.from.x, c.from.y, nullptr);
            LineTo(s, c.to.x, c.to.y);
            int changed = 0;
            for (int32_t y = 0; y < 9; ++y)
                for (int32_t x = 0; x < 12; ++x) {
                    const uint32_t was = before[size_t(y * 12 + x)], now = s.raw(x, y);
                    if (now == was) continue;
                    ++changed;
                    const uint32_t mask = bits == 16 ? 0x7FFF : 0xFFFFFF;
                    EXPECT_EQ(now & mask, ~was & mask) << c.name << " " << bits << " at " << x << "," << y;
                }
            if (std::string(c.name) == "drag line") {
                EXPECT_EQ(changed, 12 * 5) << bits;
            }
            EXPECT_GT(changed, 0) << c.name;

            MoveToEx(s, c.from.x, c.from.y, nullptr);
            LineTo(s, c.to.x, c.to.y);
            // Pixels drawn over lose only bits that mean nothing (bit 15, the unused byte).
            const uint32_t meaningful = bits == 16 ? 0x7FFF : 0xFFFFFF;
            for (int32_t y = 0; y < 9; ++y)
                for (int32_t x = 0; x < 12; ++x)
                    EXPECT_EQ(s.raw(x, y) & meaningful, before[size_t(y * 12 + x)] & meaningful)
                        << c.name << " " << bits << " at " << x << "," << y;
        }
}

TEST(Polyline, JoinsSegmentsWithoutTheLastPoint) {
    Surface s(5, 4, 24);
    s.fill(kMarker);
    const POINT points[] = {{0, 0}, {4, 0}, {4, 3}, {1, 3}};
    SelectObject(s.dc.get(), GetStockPen(BLACK_PEN));
    s.dc->penPosition = {2, 2};
    ASSERT_TRUE(Polyline(s, points, 4));
    ExpectPicture(s, {"#####", "....#", "....#", "..###"}, "polyline", Color{0, 0, 0});
    EXPECT_EQ(s.dc->penPosition.x, 2);
    EXPECT_FALSE(Polyline(s, points, 1));
}

TEST(Rectangle, OutlinesWithThePenAndFillsWithTheBrush) {
    struct Case {
        const char* name;
        bool pen;
        int32_t width;
        RECT r;
        std::vector<std::string> picture;  // '#' black pen, 'o' grey brush
    };
    const Case cases[] = {
        {"frame", true, 1, {1, 1, 6, 5}, {".......", ".#####.", ".#ooo#.", ".#ooo#.", ".#####.", "......."}},
        {"reversed corners", true, 1, {6, 5, 1, 1}, {".......", ".#####.", ".#ooo#.", ".#ooo#.", ".#####.", "......."}},
        {"no pen", false, 1, {1, 1, 6, 5}, {".......", ".oooo..", ".oooo..", ".oooo..", ".......", "......."}},
        {"wide pen", true, 3, {1, 1, 6, 6}, {"#######", "#######", "#######", "###o###", "#######", "#######"}},
        {"too small for inside", true, 1, {2, 2, 4, 3}, {".......", ".......", "..##...", ".......", ".......", "......."}},
    };
    for (const Case& c : cases) {
        Surface s(7, 6, 32);
        s.fill(kMarker);
        SelectObject(s.dc.get(), GetStockBrush(GRAY_BRUSH));
        PenPtr pen = CreatePen(PS_SOLID, c.width, RGB(0, 0, 0));
        SelectObject(s.dc.get(), c.pen ? pen.get() : nullptr);
        ASSERT_TRUE(Rectangle(s, c.r.left, c.r.top, c.r.right, c.r.bottom));
        for (int32_t y = 0; y < 6; ++y)
            for (int32_t x = 0; x < 7; ++x) {
                const char k = c.picture[y][x];
                const Color want = k == '#' ? Color{0, 0, 0} : k == 'o' ? Color{128, 128, 128} : kMarker;
                ASSERT_EQ(s.get(x, y), want) << c.name << " at " << x << "," << y;
            }
    }
}

// The separator band: edge 9 (raised outer, sunken inner) on top and bottom
// with the middle filled, and the corners of full raised and sunken edges.
TEST(DrawEdge, PaintsTheHandheldsThreeDimensionalEdges) {
    struct Case {
        const char* name;
        uint32_t edge, flags;
        RECT r;
        std::vector<std::string> picture;  // W white, B black, g 128, l 192, . untouched
        RECT adjusted;
    };
    const Case cases[] = {
        {"separator", 9, 0x80A, {0, 1, 4, 10},
         {"....", "WWWW", "gggg", "llll", "llll", "llll", "llll", "llll", "llll", "BBBB", "...."},
         {0, 1, 4, 10}},
        {"separator, adjusted", 9, 0x80A | BF_ADJUST, {0, 1, 4, 10},
         {"....", "WWWW", "gggg", "llll", "llll", "llll", "llll", "llll", "llll", "BBBB", "...."},
         {0, 3, 4, 8}},
        {"raised rectangle", EDGE_RAISED, BF_RECT | BF_ADJUST, {0, 0, 4, 5},
         {"WWWB", "WlgB", "WlgB", "WggB", "BBBB", "....", "....", "....", "....", "....", "...."},
         {2, 2, 2, 3}},
        {"sunken left and bottom", EDGE_SUNKEN, BF_LEFT | BF_BOTTOM, {0, 0, 4, 4},
         {"Bg..", "Bg..", "Blll", "WWWW", "....", "....", "....", "....", "....", "....", "...."},
         {0, 0, 4, 4}},
    };
    for (const Case& c : cases) {
        Surface s(4, 11, 24);
        s.fill(kMarker);
        RECT r = c.r;
        ASSERT_TRUE(DrawEdge(s, &r, c.edge, c.flags));
        EXPECT_EQ(r, c.adjusted) << c.name;
        for (int32_t y = 0; y < 11; ++y)
            for (int32_t x = 0; x < 4; ++x) {
                const char k = c.picture[y][x];
                const Color want = k == 'W'   ? Color{255, 255, 255}
                                   : k == 'B' ? Color{0, 0, 0}
                                   : k == 'g' ? Color{128, 128, 128}
                                   : k == 'l' ? Color{192, 192, 192}
                                              : kMarker;
                ASSERT_EQ(s.get(x, y), want) << c.name << " at " << x << "," << y;
            }
    }
}

TEST(Paint, ModesAndBadArguments) {
    Surface s(2, 2, 24);
    EXPECT_EQ(SetROP2(s, R2_NOT), R2_COPYPEN);
    EXPECT_EQ(SetROP2(s, 4), 0) << "unsupported modes are refused";
    EXPECT_EQ(SetROP2(s, R2_COPYPEN), R2_NOT);
    EXPECT_EQ(SetROP2(nullptr, R2_NOT), 0);
    const RECT r{0, 0, 1, 1};
    EXPECT_EQ(FillRect(nullptr, &r, GetStockBrush(BLACK_BRUSH)), 0);
    EXPECT_EQ(FillRect(s, nullptr, GetStockBrush(BLACK_BRUSH)), 0);
    EXPECT_FALSE(PatBlt(s, 0, 0, 1, 1, SRCCOPY));
    EXPECT_FALSE(DrawEdge(s, nullptr, 9, 0x80A));
    EXPECT_FALSE(LineTo(nullptr, 1, 1));
    // Without a bitmap nothing is drawn, and nothing fails.
    DeviceContextPtr empty = CreateCompatibleDC(nullptr);
    RECT band{0, 0, 240, 9};
    EXPECT_EQ(FillRect(empty.get(), &r, GetStockBrush(BLACK_BRUSH)), 1);
    EXPECT_TRUE(LineTo(empty.get(), 5, 5));
    EXPECT_TRUE(Rectangle(empty.get(), 0, 0, 5, 5));
    EXPECT_TRUE(DrawEdge(empty.get(), &band, 9, 0x80A | BF_ADJUST));
    EXPECT_EQ(band, (RECT{0, 2, 240, 7}));
}

}  // namespace
}  // namespace gdi::test

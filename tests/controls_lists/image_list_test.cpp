#include <gtest/gtest.h>

#include "platform/controls/image_list.h"
#include "platform/gdi/pixel_format.h"

namespace lists_test {
namespace {

using namespace controls;

constexpr gdi::Rgb kMagenta{255, 0, 255};
constexpr gdi::Rgb kWhite{255, 255, 255};
constexpr gdi::Rgb kRed{255, 0, 0};
constexpr gdi::Rgb kBlue{0, 0, 255};

// A strip of two 3 x 2 images: image 0 red with a magenta corner, image 1
// blue with a magenta middle column.
gdi::BitmapPtr Strip(int bitsPerPixel) {
    gdi::BitmapPtr strip = gdi::Bitmap::Create(6, 2, bitsPerPixel, true, true);
    const char* rows[] = {"mrrbmb", "rrrbmb"};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 6; ++x) {
            const char c = rows[y][x];
            gdi::WritePixelAt(strip->row(y) + x * bitsPerPixel / 8, bitsPerPixel,
                              c == 'm' ? kMagenta : c == 'r' ? kRed : kBlue);
        }
    return strip;
}

struct Canvas {
    gdi::BitmapPtr bitmap = gdi::Bitmap::Create(5, 4, 32, false, true);
    gdi::DeviceContextPtr dc = gdi::CreateCompatibleDC(nullptr);
    Canvas() {
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 5; ++x) gdi::WritePixelAt(bitmap->row(y) + x * 4, 32, kWhite);
        dc->bitmap = bitmap.get();
    }
    // One letter per pixel: w white, r red, b blue, k black, ? anything else.
    std::string Row(int y) const {
        std::string out;
        for (int x = 0; x < 5; ++x) {
            // 16-bit sources lose the low bits: 255 reads back as 248.
            const gdi::Rgb c = gdi::ReadPixelAt(bitmap->row(y) + x * 4, 32);
            const bool r = c.r >= 248, g = c.g >= 248, b = c.b >= 248;
            const bool none = c.r == 0 && c.g == 0 && c.b == 0;
            out += (r && g && b) ? 'w' : (r && !g && c.b == 0) ? 'r' : (b && !r && c.g == 0) ? 'b' : none ? 'k' : '?';
        }
        return out;
    }
};

TEST(ImageList, DrawsImagesLeavingMagentaTransparentAtEveryDepth) {
    struct Case { int bits; int index; int x, y; std::vector<std::string> rows; } cases[] = {
        {24, 0, 1, 1, {"wwwww", "wwrrw", "wrrrw", "wwwww"}},
        {16, 0, 1, 1, {"wwwww", "wwrrw", "wrrrw", "wwwww"}},  // magenta narrowed to 5 bits still matches
        {32, 1, 0, 0, {"bwbww", "bwbww", "wwwww", "wwwww"}},
        {24, 1, 3, 3, {"wwwww", "wwwww", "wwwww", "wwwbw"}},  // clipped at the canvas edge
        {24, 0, -1, -1, {"rrwww", "wwwww", "wwwww", "wwwww"}},
    };
    for (const Case& c : cases) {
        gdi::BitmapPtr strip = Strip(c.bits);
        ImageListPtr list = ImageList_LoadImage(strip.get(), 3, 1, gdi::RGB(255, 0, 255));
        ASSERT_TRUE(list);
        EXPECT_EQ(ImageList_GetImageCount(list.get()), 2);
        Canvas canvas;
        EXPECT_TRUE(ImageList_Draw(list.get(), c.index, canvas.dc.get(), c.x, c.y, ILD_TRANSPARENT));
        for (int y = 0; y < 4; ++y) EXPECT_EQ(canvas.Row(y), c.rows[size_t(y)]) << c.bits << " bits, row " << y;
    }
}

TEST(ImageList, RefusesWhatCannotBeCutOrDrawn) {
    gdi::BitmapPtr strip = Strip(24);
    EXPECT_FALSE(ImageList_LoadImage(nullptr, 3, 1, gdi::RGB(255, 0, 255)));
    EXPECT_FALSE(ImageList_LoadImage(strip.get(), 0, 1, gdi::RGB(255, 0, 255)));
    EXPECT_FALSE(ImageList_LoadImage(strip.get(), 7, 1, gdi::RGB(255, 0, 255)));
    ImageListPtr list = ImageList_LoadImage(strip.get(), 4, 1, gdi::RGB(255, 0, 255));
    ASSERT_TRUE(list);
    EXPECT_EQ(ImageList_GetImageCount(list.get()), 1);  // the leftover columns make no image
    Canvas canvas;
    EXPECT_FALSE(ImageList_Draw(list.get(), 1, canvas.dc.get(), 0, 0, ILD_TRANSPARENT));
    EXPECT_FALSE(ImageList_Draw(list.get(), -1, canvas.dc.get(), 0, 0, ILD_TRANSPARENT));
    EXPECT_FALSE(ImageList_Draw(nullptr, 0, canvas.dc.get(), 0, 0, ILD_TRANSPARENT));
    EXPECT_FALSE(ImageList_Draw(list.get(), 0, nullptr, 0, 0, ILD_TRANSPARENT));
    for (int y = 0; y < 4; ++y) EXPECT_EQ(canvas.Row(y), "wwwww");
    ImageList_Destroy(list);
    EXPECT_FALSE(list);
}

}  // namespace
}  // namespace lists_test

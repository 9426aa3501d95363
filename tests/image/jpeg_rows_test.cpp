// Pure arithmetic of placing decoded rows: shrink sizes and pixel conversions
// (row and column sampling are checked on a real decode).
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "image/jpeg_rows.h"

namespace ezo {
namespace {

TEST(JpegRows, ShrinkSizesRunDownInTenthsAndStopBeforeZero) {
    const struct { JpegSize file; size_t tries; JpegSize second, last; } cases[] = {
        {{2000, 1500}, 10, {1800, 1350}, {200, 150}},
        {{5, 40}, 10, {5, 36}, {5, 4}},  // a tenth of 5 is 0: only the height shrinks
        {{65535, 65535}, 11, {58982, 58982}, {5, 5}},  // one more, tiny try
        {{9, 9}, 1, {9, 9}, {9, 9}},  // nothing to take off: no second try
    };
    for (const auto& c : cases) {
        std::vector<JpegSize> tries{c.file};
        while (auto next = NextShrinkSize(tries.back(), c.file)) tries.push_back(*next);
        ASSERT_EQ(tries.size(), c.tries) << c.file.width << "x" << c.file.height;
        EXPECT_EQ(tries[std::min<size_t>(1, tries.size() - 1)], c.second);
        EXPECT_EQ(tries.back(), c.last);
    }
}

TEST(JpegRows, PixelsBecomeBlueGreenRedWithinTheRow) {
    const struct { int components; std::vector<uint8_t> pixel; std::array<uint8_t, 3> bgr; } cases[] = {
        {3, {10, 20, 30}, {30, 20, 10}},     {1, {77}, {77, 77, 77}},
        {4, {255, 0, 128, 255}, {128, 0, 255}}, {4, {255, 200, 128, 0}, {0, 0, 0}},
        {4, {255, 255, 100, 128}, {50, 128, 128}},
    };
    for (const auto& c : cases) {
        // Widths on both sides of the 5-pixel steps of the fast exchange.
        for (int32_t width : {1, 3, 5, 6, 7, 11, 12, 33}) {
            // Grey and RGB pixels differ by their column, so a pixel put in
            // the wrong place shows.
            auto offset = [&](int32_t n) { return uint8_t(c.components == 4 ? 0 : n); };
            std::vector<uint8_t> source;
            for (int32_t n = 0; n < width; ++n)
                for (uint8_t v : c.pixel) source.push_back(uint8_t(v + offset(n)));
            std::vector<uint8_t> row(size_t(width) * 3 + 3, 0xEE);
            PlaceJpegRow(source.data(), c.components, width, row.data(), width);
            for (int32_t n = 0; n < width; ++n) {
                const std::array<uint8_t, 3> want{uint8_t(c.bgr[0] + offset(n)), uint8_t(c.bgr[1] + offset(n)),
                                                  uint8_t(c.bgr[2] + offset(n))};
                ASSERT_EQ((std::array<uint8_t, 3>{row[n * 3], row[n * 3 + 1], row[n * 3 + 2]}), want)
                    << c.components << " components, width " << width << ", pixel " << n;
            }
            ASSERT_EQ(std::vector<uint8_t>(row.end() - 3, row.end()), std::vector<uint8_t>(3, 0xEE)) << width;
        }
    }
}

}  // namespace
}  // namespace ezo

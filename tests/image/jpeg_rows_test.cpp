// Pure arithmetic of placing decoded rows: shrink sizes, row and column
// sampling, and the pixel conversions.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "image/jpeg_rows.h"

namespace ezo {
namespace {

std::vector<JpegSize> ShrinkSequence(JpegSize file) {
    std::vector<JpegSize> tries{file};
    while (auto next = NextShrinkSize(tries.back(), file)) tries.push_back(*next);
    return tries;
}

TEST(JpegShrink, SizesTriedWhileMemoryIsShort) {
    struct Case {
        JpegSize file;
        size_t tries;
        JpegSize second;
        JpegSize last;
    };
    const Case cases[] = {
        {{2000, 1500}, 10, {1800, 1350}, {200, 150}},
        // A tenth of 5 is 0: the width stays while the height runs down;
        // height 0 is never tried.
        {{5, 40}, 10, {5, 36}, {5, 4}},
        // Sizes not a multiple of 10 get one more, very small try.
        {{65535, 65535}, 11, {58982, 58982}, {5, 5}},
        {{15, 3}, 15, {14, 3}, {1, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.file.width << "x" << c.file.height);
        const std::vector<JpegSize> tries = ShrinkSequence(c.file);
        ASSERT_EQ(tries.size(), c.tries);
        EXPECT_EQ(tries[1], c.second);
        EXPECT_EQ(tries.back(), c.last);
    }
}

TEST(JpegShrink, TinyPicturesCannotShrink) {
    // Both tenths are 0: the step would change nothing, so the tries end.
    for (JpegSize tiny : {JpegSize{9, 9}, JpegSize{1, 1}, JpegSize{9, 1}}) {
        EXPECT_FALSE(NextShrinkSize(tiny, tiny).has_value()) << tiny.width << "x" << tiny.height;
    }
}

TEST(JpegRowSampler, UsesExactlyTheNearestScanlines) {
    const std::array<std::array<int32_t, 2>, 5> cases{{
        {1500, 1350}, {40, 36}, {7, 7}, {10, 1},
        // Past 32 bits in the accumulator.
        {60000, 54000},
    }};
    for (auto [total, used] : cases) {
        SCOPED_TRACE(testing::Message() << total << " -> " << used);
        RowSampler sampler(total, used);
        std::vector<int32_t> taken;
        for (int32_t i = 0; i < total; ++i)
            if (sampler.Take(i)) taken.push_back(i);
        ASSERT_EQ(taken.size(), size_t(used));
        for (int32_t m = 0; m < used; ++m) ASSERT_EQ(taken[m], int32_t(int64_t(m) * total / used)) << m;
    }
}

TEST(JpegPlaceRow, ConvertsEachKindOfPixelToBlueGreenRed) {
    struct Case {
        const char* name;
        int components;
        std::vector<uint8_t> source;
        std::array<uint8_t, 3> bgr;
    };
    const Case cases[] = {
        {"rgb", 3, {10, 20, 30}, {30, 20, 10}},
        {"grey", 1, {77}, {77, 77, 77}},
        {"cmyk", 4, {255, 0, 128, 255}, {128, 0, 255}},
        {"cmyk k=0", 4, {255, 200, 128, 0}, {0, 0, 0}},
        {"cmyk half", 4, {255, 255, 100, 128}, {50, 128, 128}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Three pixels, then padding that must survive.
        std::vector<uint8_t> source;
        for (int i = 0; i < 3; ++i) source.insert(source.end(), c.source.begin(), c.source.end());
        std::vector<uint8_t> row(12, 0xEE);
        PlaceJpegRow(source.data(), c.components, 3, row.data(), 3);
        for (int n = 0; n < 3; ++n)
            EXPECT_EQ((std::array<uint8_t, 3>{row[n * 3], row[n * 3 + 1], row[n * 3 + 2]}), c.bgr) << n;
        EXPECT_EQ(std::vector<uint8_t>(row.begin() + 9, row.end()), std::vector<uint8_t>(3, 0xEE));
    }
}

TEST(JpegPlaceRow, RgbRowsOfEveryWidthComeOutBlueFirstAndStayInTheRow) {
    for (int32_t width = 1; width <= 40; ++width) {
        std::vector<uint8_t> source(size_t(width) * 3);
        for (size_t i = 0; i < source.size(); ++i) source[i] = uint8_t(i * 7 + 1);
        std::vector<uint8_t> row(source.size() + 4, 0xEE);
        PlaceJpegRow(source.data(), 3, width, row.data(), width);
        for (int32_t n = 0; n < width; ++n) {
            ASSERT_EQ(row[n * 3], source[n * 3 + 2]) << width << " " << n;
            ASSERT_EQ(row[n * 3 + 1], source[n * 3 + 1]) << width << " " << n;
            ASSERT_EQ(row[n * 3 + 2], source[n * 3]) << width << " " << n;
        }
        EXPECT_EQ(std::vector<uint8_t>(row.end() - 4, row.end()), std::vector<uint8_t>(4, 0xEE)) << width;
    }
}

TEST(JpegPlaceRow, SampledRowTakesNearestColumns) {
    const std::array<std::array<int32_t, 2>, 4> cases{{{2000, 1800}, {10, 9}, {255, 5}, {6, 6}}};
    for (auto [sourceWidth, width] : cases) {
        SCOPED_TRACE(testing::Message() << sourceWidth << " -> " << width);
        // Red carries the column's low byte, green its high byte.
        std::vector<uint8_t> source;
        for (int32_t j = 0; j < sourceWidth; ++j) source.insert(source.end(), {uint8_t(j), uint8_t(j >> 8), 7});
        std::vector<uint8_t> row(size_t(width) * 3 + 1, 0xEE);
        PlaceJpegRow(source.data(), 3, sourceWidth, row.data(), width);
        for (int32_t n = 0; n < width; ++n) {
            const int32_t column = row[n * 3 + 2] | row[n * 3 + 1] << 8;
            ASSERT_EQ(column, int32_t(int64_t(n) * sourceWidth / width)) << n;
            ASSERT_EQ(row[n * 3], 7);
        }
        EXPECT_EQ(row.back(), 0xEE);
    }
}

}  // namespace
}  // namespace ezo

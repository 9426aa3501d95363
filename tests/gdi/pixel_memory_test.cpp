#include <gtest/gtest.h>

#include <cstring>

#include "platform/gdi/pixel_memory.h"

namespace gdi {
namespace {

constexpr size_t kBig = 4 * kReusableBlockBytes;

// A freed large block comes back zeroed for a request of a similar size, and
// is not spent on one much smaller or larger.
TEST(PixelMemory, KeptBlockServesOnlySimilarSizesAndComesBackZeroed) {
    const struct { size_t request; bool reused; } cases[] = {
        {kBig, true}, {kBig - kBig / 4, true}, {kBig - kBig / 4 - 1, false}, {kBig + 1, false}, {kReusableBlockBytes / 2, false},
    };
    for (const auto& c : cases) {
        ReleaseKeptPixels();
        size_t capacity = 0;
        uint8_t* first = AllocatePixels(kBig, &capacity);
        ASSERT_NE(first, nullptr);
        std::memset(first, 0xAB, kBig);
        FreePixels(first, capacity);

        size_t again = 0;
        uint8_t* second = AllocatePixels(c.request, &again);
        ASSERT_NE(second, nullptr);
        EXPECT_EQ(second == first, c.reused) << c.request;
        EXPECT_GE(again, c.request);
        for (size_t i = 0; i < c.request; i += 4093) ASSERT_EQ(second[i], 0) << c.request << " at " << i;
        EXPECT_EQ(second[c.request - 1], 0);
        FreePixels(second, again);
    }
    ReleaseKeptPixels();
}

}  // namespace
}  // namespace gdi

#include "platform/gdi/bitmap.h"

#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <thread>
#include <vector>

#include "platform/gdi/memory_budget.h"

namespace gdi::test {
namespace {

BITMAPINFO Header(int32_t width, int32_t height, int bits) {
    BITMAPINFO info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biBitCount = uint16_t(bits);
    return info;
}

TEST(CreateDIBSection, RowsArePaddedToFourBytes) {
    struct Case {
        int bits;
        int32_t strides[5];  // widths 1 .. 5
    };
    const Case cases[] = {{16, {4, 4, 8, 8, 12}}, {24, {4, 8, 12, 12, 16}}, {32, {4, 8, 12, 16, 20}}};
    for (const Case& c : cases)
        for (int32_t width = 1; width <= 5; ++width) {
            const BITMAPINFO info = Header(width, 3, c.bits);
            void* bits = nullptr;
            BitmapPtr bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits);
            ASSERT_TRUE(bitmap) << c.bits << " x " << width;
            BITMAP object{};
            ASSERT_EQ(GetObject(bitmap.get(), sizeof(object), &object), int(sizeof(BITMAP)));
            EXPECT_EQ(object.bmWidthBytes, c.strides[width - 1]) << c.bits << " bits, width " << width;
            EXPECT_EQ(object.bmBits, bits);
            EXPECT_EQ(object.bmBitsPixel, c.bits);
            EXPECT_EQ(bitmap->byteSize(), size_t(c.strides[width - 1]) * 3);
        }
}

TEST(CreateDIBSection, RowOrderFollowsTheSignOfTheHeight) {
    const BITMAPINFO up = Header(2, 3, 24), down = Header(2, -3, 24);
    BitmapPtr bottomUp = CreateDIBSection(nullptr, &up, DIB_RGB_COLORS, nullptr);
    BitmapPtr topDown = CreateDIBSection(nullptr, &down, DIB_RGB_COLORS, nullptr);
    ASSERT_TRUE(bottomUp && topDown);
    EXPECT_EQ(bottomUp->height(), 3);
    EXPECT_EQ(topDown->height(), 3);
    EXPECT_EQ(bottomUp->row(0), bottomUp->pixels() + 2 * 8) << "the top row is stored last";
    EXPECT_EQ(topDown->row(0), topDown->pixels());
    EXPECT_EQ(topDown->row(2), topDown->pixels() + 2 * 8);
}

TEST(CreateDIBSection, RefusesBadHeadersAndSizes) {
    struct Case {
        const char* name;
        BITMAPINFO info;
        uint32_t usage = DIB_RGB_COLORS;
    };
    auto with = [](BITMAPINFO info, auto change) {
        change(info.bmiHeader);
        return info;
    };
    const Case cases[] = {
        {"zero width", Header(0, 4, 24)},
        {"negative width", Header(-4, 4, 24)},
        {"zero height", Header(4, 0, 24)},
        {"most negative height", Header(4, INT32_MIN, 24)},
        {"width past the limit", Header(kMaxBitmapSide + 1, 1, 24)},
        {"height past the limit", Header(1, -(kMaxBitmapSide + 1), 16)},
        {"largest width", Header(INT32_MAX, 1, 32)},
        {"8 bits", Header(4, 4, 8)},
        {"1 bit", Header(4, 4, 1)},
        {"compressed", with(Header(4, 4, 24), [](BITMAPINFOHEADER& h) { h.biCompression = 3; })},
        {"two planes", with(Header(4, 4, 24), [](BITMAPINFOHEADER& h) { h.biPlanes = 2; })},
        {"short header", with(Header(4, 4, 24), [](BITMAPINFOHEADER& h) { h.biSize = 12; })},
        {"palette usage", Header(4, 4, 24), 1},
        {"too many bytes", Header(kMaxBitmapSide, kMaxBitmapSide, 32)},
    };
    const uint64_t inUse = MemoryInUse();
    ScopedMemoryBudget unlimited(UINT64_MAX);
    for (const Case& c : cases) {
        void* bits = &bits;
        EXPECT_FALSE(CreateDIBSection(nullptr, &c.info, c.usage, &bits)) << c.name;
        EXPECT_EQ(bits, nullptr) << c.name;
        EXPECT_EQ(MemoryInUse(), inUse) << c.name << " took memory";
    }
    EXPECT_FALSE(CreateDIBSection(nullptr, nullptr, DIB_RGB_COLORS, nullptr));
    EXPECT_FALSE(CreateCompatibleBitmap(nullptr, 0, 5));
    EXPECT_FALSE(CreateCompatibleBitmap(nullptr, -1, 5));
}

TEST(MemoryBudget, CreationFailsPastTheBudgetAndSucceedsAfterARelease) {
    // 100 x 2 at 24 bits: 300-byte rows, 600 bytes.
    const BITMAPINFO info = Header(100, 2, 24);
    ScopedMemoryBudget budget(MemoryInUse() + 1000);
    BitmapPtr first = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr);
    ASSERT_TRUE(first);
    EXPECT_EQ(MemoryAvailable(), 400u);
    EXPECT_FALSE(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr)) << "600 bytes do not fit in 400";
    EXPECT_FALSE(CreateCompatibleBitmap(nullptr, 11, 10)) << "440 bytes do not fit in 400";
    BitmapPtr exact = CreateCompatibleBitmap(nullptr, 10, 10);
    EXPECT_TRUE(exact) << "400 bytes fit exactly";
    EXPECT_EQ(MemoryAvailable(), 0u);
    exact.reset();
    first.reset();
    EXPECT_EQ(MemoryAvailable(), 1000u);
    EXPECT_TRUE(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr));
}

TEST(MemoryBudget, ReservationsNeverOverflow) {
    const uint64_t inUse = MemoryInUse();
    ScopedMemoryBudget budget(inUse + 100);
    EXPECT_FALSE(ReserveMemory(UINT64_MAX));
    EXPECT_FALSE(ReserveMemory(101));
    EXPECT_TRUE(ReserveMemory(100));
    EXPECT_FALSE(ReserveMemory(1));
    ReleaseMemory(100);
    EXPECT_EQ(MemoryInUse(), inUse);
    {
        ScopedMemoryBudget smaller(0);
        EXPECT_EQ(MemoryAvailable(), 0u);
        EXPECT_FALSE(ReserveMemory(1));
    }
    EXPECT_EQ(MemoryBudget(), inUse + 100);
}

// The interface thread and the thumbnail thread make and drop bitmaps at the
// same time: the budget is never passed and nothing leaks.
TEST(MemoryBudget, TwoThreadsShareTheBudget) {
    const uint64_t inUse = MemoryInUse();
    const uint64_t limit = inUse + 64 * 1024;
    ScopedMemoryBudget budget(limit);
    std::atomic<bool> overshoot{false};
    std::atomic<int> made{0};
    auto work = [&](int32_t side) {
        std::vector<BitmapPtr> held;
        for (int i = 0; i < 2000; ++i) {
            BitmapPtr bitmap = CreateCompatibleBitmap(nullptr, side, side + i % 7);
            if (MemoryInUse() > limit) overshoot = true;
            // Hold a few, and let all go when the budget runs out.
            if (!bitmap || held.size() > 5) held.clear();
            if (bitmap) {
                ++made;
                held.push_back(std::move(bitmap));
            }
        }
    };
    std::thread a(work, 40), b(work, 50);
    a.join();
    b.join();
    EXPECT_FALSE(overshoot);
    EXPECT_GT(made.load(), 2000);
    EXPECT_EQ(MemoryInUse(), inUse);
}

TEST(CreateCompatibleBitmap, HidesItsMemoryAndStartsOpaqueBlack) {
    BitmapPtr bitmap = CreateCompatibleBitmap(nullptr, 3, 2);
    ASSERT_TRUE(bitmap);
    BITMAP object{};
    ASSERT_EQ(GetObject(bitmap.get(), sizeof(object), &object), int(sizeof(BITMAP)));
    EXPECT_EQ(object.bmBits, nullptr);
    EXPECT_EQ(object.bmBitsPixel, 32);
    EXPECT_EQ(object.bmWidth, 3);
    EXPECT_EQ(object.bmHeight, 2);
    EXPECT_FALSE(bitmap->bottomUp());
    for (int32_t y = 0; y < 2; ++y)
        for (int32_t x = 0; x < 3; ++x) {
            const uint8_t* p = bitmap->row(y) + 4 * x;
            EXPECT_EQ(p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24, 0xFF000000u) << x << "," << y;
        }
    EXPECT_EQ(GetObject(nullptr, sizeof(object), &object), 0);
    EXPECT_EQ(GetObject(bitmap.get(), sizeof(object) - 1, &object), 0);
}

}  // namespace
}  // namespace gdi::test

#include "platform/gdi/bitmap.h"

#include <climits>
#include <thread>

#include "platform/gdi/memory_budget.h"
#include "surface.h"

namespace gdi::test {
namespace {

BITMAPINFO Header(int32_t width, int32_t height, int bits, uint32_t compression = BI_RGB) {
    BITMAPINFO info{};
    info.bmiHeader = {.biWidth = width, .biHeight = height, .biBitCount = uint16_t(bits), .biCompression = compression};
    return info;
}

TEST(CreateDIBSection, RowsArePaddedToFourBytes) {
    const struct { int bits; int32_t strides[5]; } cases[] = {{16, {4, 4, 8, 8, 12}}, {24, {4, 8, 12, 12, 16}}};
    for (const auto& c : cases)
        for (int32_t width = 1; width <= 5; ++width) {
            const BITMAPINFO info = Header(width, 3, c.bits);
            void* bits = nullptr;
            BitmapPtr bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits);
            BITMAP object{};
            ASSERT_EQ(GetObject(bitmap.get(), sizeof(object), &object), int(sizeof(BITMAP)));
            EXPECT_EQ(object.bmWidthBytes, c.strides[width - 1]) << c.bits << " bits, width " << width;
            EXPECT_EQ(object.bmBits, bits);
            EXPECT_EQ(bitmap->byteSize(), size_t(c.strides[width - 1]) * 3);
        }
}

// Bad headers and sizes fail without taking memory, even with no budget.
TEST(CreateDIBSection, RefusesBadHeadersAndSizes) {
    const BITMAPINFO cases[] = {
        Header(0, 4, 24),           Header(-4, 4, 24),          Header(4, 0, 24),
        Header(4, INT32_MIN, 24),   Header(kMaxBitmapSide + 1, 1, 24), Header(1, -(kMaxBitmapSide + 1), 16),
        Header(INT32_MAX, 1, 32),   Header(4, 4, 8),            Header(4, 4, 24, 3),
        Header(kMaxBitmapSide, kMaxBitmapSide, 32),
    };
    const uint64_t inUse = MemoryInUse();
    ScopedMemoryBudget unlimited(UINT64_MAX);
    for (const BITMAPINFO& info : cases) {
        void* bits = &bits;
        EXPECT_FALSE(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits))
            << info.bmiHeader.biWidth << " x " << info.bmiHeader.biHeight << " x " << info.bmiHeader.biBitCount;
        EXPECT_EQ(bits, nullptr);
        EXPECT_EQ(MemoryInUse(), inUse);
    }
    ASSERT_TRUE(ReserveMemory(1));
    EXPECT_FALSE(ReserveMemory(UINT64_MAX)) << "the count must not wrap";
    ReleaseMemory(1);
}

TEST(MemoryBudget, CreationFailsPastTheBudgetAndSucceedsAfterARelease) {
    const BITMAPINFO info = Header(100, 2, 24);  // 300-byte rows: 600 bytes
    ScopedMemoryBudget budget(MemoryInUse() + 1000);
    BitmapPtr first = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr);
    ASSERT_TRUE(first);
    EXPECT_FALSE(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr));
    EXPECT_FALSE(CreateCompatibleBitmap(nullptr, 11, 10)) << "440 bytes do not fit in 400";
    EXPECT_TRUE(CreateCompatibleBitmap(nullptr, 10, 10)) << "400 bytes fit exactly";
    first.reset();
    EXPECT_EQ(MemoryAvailable(), 1000u);
    EXPECT_TRUE(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr));
}

// The interface thread and the thumbnail thread make and drop bitmaps at the
// same time: the budget is never passed and nothing leaks.
TEST(MemoryBudget, TwoThreadsShareTheBudget) {
    const uint64_t inUse = MemoryInUse(), limit = inUse + 64 * 1024;
    ScopedMemoryBudget budget(limit);
    std::atomic<bool> overshoot{false};
    auto work = [&](int32_t side) {
        std::vector<BitmapPtr> held;
        for (int i = 0; i < 2000; ++i) {
            BitmapPtr bitmap = CreateCompatibleBitmap(nullptr, side, side + i % 7);
            if (MemoryInUse() > limit) overshoot = true;
            if (!bitmap || held.size() > 5) held.clear();
            if (bitmap) held.push_back(std::move(bitmap));
        }
    };
    std::thread a(work, 40), b(work, 50);
    a.join();
    b.join();
    EXPECT_FALSE(overshoot);
    EXPECT_EQ(MemoryInUse(), inUse);
}

TEST(CreateCompatibleBitmap, HidesItsMemoryAndStartsOpaqueBlack) {
    BitmapPtr bitmap = CreateCompatibleBitmap(nullptr, 3, 2);
    BITMAP object{};
    ASSERT_EQ(GetObject(bitmap.get(), sizeof(object), &object), int(sizeof(BITMAP)));
    EXPECT_EQ(object.bmBits, nullptr);
    EXPECT_EQ(object.bmBitsPixel, 32);
    for (int32_t i = 0; i < 6; ++i) EXPECT_EQ(reinterpret_cast<const uint32_t*>(bitmap->pixels())[i], 0xFF000000u);
}

}  // namespace
}  // namespace gdi::test

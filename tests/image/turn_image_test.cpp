#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "draw_test_support.h"
#include "image/turn.h"
#include "image/view_hooks.h"
#include "image/view_state.h"
#include "platform/gdi/memory_budget.h"

namespace {

using draw_test::FreshViewState;
using draw_test::MakeBlankPicture;
using draw_test::MakePicture;
using draw_test::PixelAt;
using draw_test::RecordingBackend;
using ezo::TurnImage;
using ezo::viewState;

// Six distinct colours standing for the letters A to F.
gdi::COLORREF Letter(char c) {
    const int i = c - 'A';
    return gdi::RGB(uint8_t(40 * i + 8), uint8_t(200 - 32 * i), uint8_t(16 + 24 * i));
}

// The 3 x 2 picture with top row A B C and bottom row D E F.
gdi::BitmapPtr AbcDef(int bitsPerPixel, bool topDown) {
    return MakePicture(3, 2, bitsPerPixel, [](int x, int y) { return Letter("ABCDEF"[y * 3 + x]); },
                       topDown);
}

std::string Letters(const gdi::Bitmap& bitmap) {
    std::string out;
    for (int32_t y = 0; y < bitmap.height(); ++y) {
        if (y) out += '/';
        for (int32_t x = 0; x < bitmap.width(); ++x) {
            char found = '?';
            for (char c = 'A'; c <= 'F'; ++c)
                if (PixelAt(bitmap, x, y) == Letter(c)) found = c;
            out += found;
        }
    }
    return out;
}

TEST(TurnImage, TurnsTheSmallExampleBothWays) {
    struct Case {
        int bitsPerPixel;
        bool topDown;
        int clockwise;
        const char* rows;
    };
    const Case cases[] = {
        {24, false, 1, "DA/EB/FC"}, {24, false, 0, "CF/BE/AD"}, {24, true, 1, "DA/EB/FC"},
        {24, true, 0, "CF/BE/AD"},  {16, false, 1, "DA/EB/FC"}, {16, true, 0, "CF/BE/AD"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bitsPerPixel << " bits, topDown " << c.topDown
                                        << ", clockwise " << c.clockwise);
        FreshViewState fresh;
        RecordingBackend backend;
        // Letters exact in 5-5-5 as well: every channel a multiple of 8.
        viewState.currentImage = AbcDef(c.bitsPerPixel, c.topDown);
        ASSERT_EQ(TurnImage(nullptr, nullptr, c.clockwise), 1);
        const gdi::Bitmap& turned = *viewState.currentImage;
        EXPECT_EQ(turned.width(), 2);
        EXPECT_EQ(turned.height(), 3);
        EXPECT_EQ(turned.bitsPerPixel(), 24);
        EXPECT_TRUE(turned.bottomUp());
        EXPECT_EQ(Letters(turned), c.rows);
        EXPECT_TRUE(backend.messages.empty());
    }
}

// Odd sizes that cross the tile edges, so padding and partial tiles count.
TEST(TurnImage, RoundTripGivesBackThePicture) {
    struct Case {
        int bitsPerPixel;
        int firstClockwise;
        int32_t width, height;
    };
    const Case cases[] = {{24, 1, 7, 5}, {24, 0, 131, 67}, {16, 1, 131, 67}, {16, 0, 5, 9}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bitsPerPixel << " bits " << c.width << "x" << c.height);
        FreshViewState fresh;
        RecordingBackend backend;
        std::mt19937 random(c.width * 1000 + c.height);
        gdi::BitmapPtr original =
            MakePicture(c.width, c.height, c.bitsPerPixel, [&](int, int) { return random() & 0xFFFFFF; });
        viewState.currentImage = MakeBlankPicture(c.width, c.height, c.bitsPerPixel);
        std::memcpy(viewState.currentImage->pixels(), original->pixels(), original->byteSize());

        ASSERT_EQ(TurnImage(nullptr, nullptr, c.firstClockwise), 1);
        ASSERT_EQ(TurnImage(nullptr, nullptr, !c.firstClockwise), 1);
        const gdi::Bitmap& back = *viewState.currentImage;
        ASSERT_EQ(back.width(), c.width);
        ASSERT_EQ(back.height(), c.height);
        EXPECT_EQ(back.bitsPerPixel(), 24);
        int wrong = 0;
        for (int32_t y = 0; y < c.height; ++y)
            for (int32_t x = 0; x < c.width; ++x) wrong += PixelAt(back, x, y) != PixelAt(*original, x, y);
        EXPECT_EQ(wrong, 0);
    }
}

TEST(TurnImage, WidensFiveBitChannels) {
    struct Case {
        uint16_t value;
        uint8_t blue, green, red;
    };
    const Case cases[] = {
        {0x7FFF, 248, 248, 248}, {0x7C00, 0, 0, 248}, {0x03E0, 0, 248, 0},
        {0x001F, 248, 0, 0},     {0x8000, 0, 0, 0},   {0x4210, 128, 128, 128},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        FreshViewState fresh;
        RecordingBackend backend;
        viewState.currentImage = MakeBlankPicture(1, 1, 16);
        viewState.currentImage->pixels()[0] = uint8_t(c.value);
        viewState.currentImage->pixels()[1] = uint8_t(c.value >> 8);
        ASSERT_EQ(TurnImage(nullptr, nullptr, 1), 1);
        const uint8_t* p = viewState.currentImage->pixels();
        EXPECT_EQ(p[0], c.blue);
        EXPECT_EQ(p[1], c.green);
        EXPECT_EQ(p[2], c.red);
    }
}

TEST(TurnImage, WithoutMemoryKeepsThePictureAndSwitchesLandscapeOff) {
    FreshViewState fresh;
    RecordingBackend backend;
    std::vector<bool> checks;
    ezo::onLandscapeCheckChanged = [&](bool checked) { checks.push_back(checked); };

    viewState.currentImage = AbcDef(24, false);
    const gdi::Bitmap* before = viewState.currentImage.get();
    viewState.landscapeMode = 1;
    viewState.zoom = 2.5f;
    viewState.xOffset = 7;
    viewState.yOffset = 9;
    const uint64_t turnedBytes = uint64_t(gdi::DibStride(2, 24)) * 3;
    {
        gdi::ScopedMemoryBudget budget(gdi::MemoryInUse() + turnedBytes - 1);
        EXPECT_EQ(TurnImage(nullptr, nullptr, 0), 0);
    }
    ezo::onLandscapeCheckChanged = nullptr;

    EXPECT_EQ(viewState.currentImage.get(), before);
    EXPECT_EQ(Letters(*viewState.currentImage), "ABC/DEF");
    EXPECT_EQ(viewState.zoom, 2.5f);
    EXPECT_EQ(viewState.xOffset, 7);
    EXPECT_EQ(viewState.yOffset, 9);
    EXPECT_EQ(viewState.landscapeMode, 0);
    EXPECT_EQ(checks, std::vector<bool>{false});
    ASSERT_EQ(backend.messages.size(), 1u);
    EXPECT_EQ(backend.messages[0].text, u"There is not enough memory, cause cannot do rotate or landscape.");
    EXPECT_EQ(backend.messages[0].caption, u"Ezo");
    EXPECT_EQ(backend.messages[0].type, device::MB_ICONSTOP | device::MB_OK);
    EXPECT_EQ(backend.cursors, std::vector<device::Cursor>{device::Cursor::Arrow});
}

TEST(TurnImage, RefusesQuietlyWhatItCannotTurn) {
    struct Case {
        const char* what;
        int bitsPerPixel;  // 0: empty slot
    };
    for (const Case c : {Case{"empty slot", 0}, Case{"32-bit picture", 32}}) {
        SCOPED_TRACE(c.what);
        FreshViewState fresh;
        RecordingBackend backend;
        if (c.bitsPerPixel) viewState.currentImage = MakeBlankPicture(4, 3, c.bitsPerPixel);
        const gdi::Bitmap* before = viewState.currentImage.get();
        viewState.landscapeMode = 1;
        EXPECT_EQ(TurnImage(nullptr, nullptr, 1), 0);
        EXPECT_EQ(viewState.currentImage.get(), before);
        EXPECT_EQ(viewState.landscapeMode, 1);
        EXPECT_TRUE(backend.messages.empty());
    }
}

}  // namespace

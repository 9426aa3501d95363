#include <gtest/gtest.h>

#include <random>

#include "draw_test_support.h"
#include "image/turn.h"
#include "image/view_hooks.h"
#include "platform/gdi/memory_budget.h"

namespace {

using namespace draw_test;
using ezo::TurnImage;
using ezo::viewState;

// Letters A to F as colours exact in 5-5-5 too (channels multiples of 8).
gdi::COLORREF Letter(int i) { return gdi::RGB(uint8_t(40 * i + 8), uint8_t(200 - 32 * i), uint8_t(16 + 24 * i)); }

std::string Letters(const gdi::Bitmap& b) {
    std::string out;
    for (int32_t y = 0; y < b.height(); ++y) {
        if (y) out += '/';
        for (int32_t x = 0; x < b.width(); ++x) {
            char found = '?';
            for (int i = 0; i < 6; ++i)
                if (PixelAt(b, x, y) == Letter(i)) found = char('A' + i);
            out += found;
        }
    }
    return out;
}

// Top row A B C, bottom row D E F.
gdi::BitmapPtr AbcDef(int bits, bool topDown = false) {
    return MakePicture(3, 2, bits, [](int x, int y) { return Letter(y * 3 + x); }, topDown);
}

TEST(TurnImage, TurnsTheSmallExampleBothWays) {
    struct Case {
        int bits;
        bool topDown;
        int clockwise;
        const char* rows;
    };
    for (const Case& c : {Case{24, false, 1, "DA/EB/FC"}, Case{24, false, 0, "CF/BE/AD"},
                          Case{24, true, 0, "CF/BE/AD"}, Case{16, false, 1, "DA/EB/FC"}}) {
        SCOPED_TRACE(testing::Message() << c.bits << " bits, clockwise " << c.clockwise);
        FreshViewState fresh;
        viewState.currentImage = AbcDef(c.bits, c.topDown);
        ASSERT_EQ(TurnImage(nullptr, nullptr, c.clockwise), 1);
        EXPECT_EQ(viewState.currentImage->bitsPerPixel(), 24);
        EXPECT_TRUE(viewState.currentImage->bottomUp());
        EXPECT_EQ(Letters(*viewState.currentImage), c.rows);
    }
}

// Sizes that cross the tile edges: partial tiles and row padding count.
TEST(TurnImage, RoundTripGivesBackThePictureInEightBitChannels) {
    for (const int bits : {24, 16}) {
        SCOPED_TRACE(bits);
        FreshViewState fresh;
        std::mt19937 random(bits);
        const auto noise = [&](int, int) { return gdi::COLORREF(random() & 0xFFFFFF); };
        gdi::BitmapPtr original = MakePicture(131, 67, bits, noise);
        random.seed(bits);
        viewState.currentImage = MakePicture(131, 67, bits, noise);
        ASSERT_EQ(TurnImage(nullptr, nullptr, 1), 1);
        ASSERT_EQ(TurnImage(nullptr, nullptr, 0), 1);
        int wrong = 0;
        for (int32_t y = 0; y < 67; ++y)
            for (int32_t x = 0; x < 131; ++x)
                wrong += PixelAt(*viewState.currentImage, x, y) != PixelAt(*original, x, y);
        EXPECT_EQ(wrong, 0);
    }
}

TEST(TurnImage, WidensFiveBitChannels) {
    struct Case {
        uint16_t value;
        gdi::COLORREF expected;
    };
    for (const Case& c : {Case{0x7FFF, gdi::RGB(248, 248, 248)}, Case{0x7C00, gdi::RGB(248, 0, 0)},
                          Case{0x8000, gdi::RGB(0, 0, 0)}}) {
        FreshViewState fresh;
        viewState.currentImage = Blank(1, 1, 16);
        viewState.currentImage->pixels()[0] = uint8_t(c.value);
        viewState.currentImage->pixels()[1] = uint8_t(c.value >> 8);
        ASSERT_EQ(TurnImage(nullptr, nullptr, 1), 1);
        EXPECT_EQ(PixelAt(*viewState.currentImage, 0, 0), c.expected) << c.value;
    }
}

TEST(TurnImage, WithoutMemoryKeepsThePictureAndSwitchesLandscapeOff) {
    FreshViewState fresh;
    RecordingBackend backend;
    std::vector<bool> checks;
    ezo::onLandscapeCheckChanged = [&](bool checked) { checks.push_back(checked); };
    viewState.currentImage = AbcDef(24);
    const gdi::Bitmap* before = viewState.currentImage.get();
    viewState.landscapeMode = 1;
    viewState.zoom = 2.5f;
    viewState.xOffset = 7;
    viewState.yOffset = 9;
    {
        gdi::ScopedMemoryBudget budget(gdi::MemoryInUse() + gdi::DibStride(2, 24) * 3 - 1);
        EXPECT_EQ(TurnImage(nullptr, nullptr, 0), 0);
    }
    ezo::onLandscapeCheckChanged = nullptr;
    EXPECT_EQ(viewState.currentImage.get(), before);
    EXPECT_EQ(Letters(*before), "ABC/DEF");
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

    // Other depths and an empty slot are refused without a word.
    viewState.currentImage = Blank(4, 3, 32);
    EXPECT_EQ(TurnImage(nullptr, nullptr, 1), 0);
    EXPECT_EQ(viewState.currentImage->width(), 4);
    viewState.currentImage.reset();
    EXPECT_EQ(TurnImage(nullptr, nullptr, 1), 0);
    EXPECT_EQ(backend.messages.size(), 1u);
}

}  // namespace

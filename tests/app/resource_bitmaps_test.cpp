// The program's bitmaps and icon: sizes, strips cut into distinct images,
// the parts a button shows, and the pixel-map helpers.
#include <gtest/gtest.h>

#include <QImage>

#include <vector>

#include "app/resource_ids.h"
#include "app/resource_pixel_art.h"
#include "app/resource_table.h"
#include "platform/controls/resources.h"
#include "resource_images.h"

namespace {

using namespace controls;

class ProgramBitmapsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearResources();
        ezo::DefineProgramResources();
    }
    void TearDown() override { ClearResources(); }

    static int Transparent(const QImage& image, QRect area) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) n += qAlpha(image.pixel(x, y)) == 0;
        return n;
    }
    static void ExpectAllDistinct(const std::vector<QImage>& images) {
        for (size_t i = 0; i < images.size(); ++i)
            for (size_t j = i + 1; j < images.size(); ++j) EXPECT_NE(images[i], images[j]) << i << " and " << j;
    }
};

TEST_F(ProgramBitmapsTest, EveryBitmapLoadsAtItsSize) {
    struct Case {
        int id;
        int width, height;
    };
    const Case cases[] = {
        {116, 16, 16}, {117, 16, 16}, {150, 16, 16}, {151, 16, 16}, {153, 16, 16}, {158, 16, 16},
        {159, 16, 16}, {160, 16, 16}, {161, 16, 16}, {162, 16, 16}, {163, 16, 16}, {164, 16, 16},
        {165, 16, 16}, {166, 16, 16}, {175, 60, 12}, {148, 24, 8},  {136, 11, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        gdi::BitmapPtr bitmap = LoadBitmap(nullptr, c.id);
        ASSERT_TRUE(bitmap) << "rows of unequal length or a character outside the palette";
        EXPECT_EQ(bitmap->width(), c.width);
        EXPECT_EQ(bitmap->height(), c.height);
    }
    const QImage icon = LoadIcon(nullptr, ezo::IDI_EZO);
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_LT(Transparent(icon, icon.rect()), 32 * 32 / 2) << "the icon is mostly picture";
}

// Two buttons that look alike are a slip in the tables; a button image with
// no see-through part would show as a square on the bar.
TEST_F(ProgramBitmapsTest, BarImagesAreDistinctAndLieOnTheBar) {
    const int ids[] = {116, 117, 150, 151, 153, 158, 159, 160, 161, 162, 163, 164, 165, 166};
    std::vector<QImage> images;
    for (int id : ids) {
        SCOPED_TRACE(id);
        images.push_back(resource_test::LoadImage(id));
        ASSERT_FALSE(images.back().isNull());
        const int clear = Transparent(images.back(), images.back().rect());
        EXPECT_GT(clear, 0);
        EXPECT_LT(clear, 16 * 16 * 3 / 4) << "too little drawn to be seen";
    }
    ExpectAllDistinct(images);
}

TEST_F(ProgramBitmapsTest, StripsCutIntoTheirImages) {
    struct Case {
        int id;
        int imageWidth;
        int count;
        QRect shown;  // what the button shows of each image: a solid face
    };
    const Case cases[] = {
        // Overlay buttons lie on the picture: a solid face each.
        {ezo::IDB_OVERLAY_BUTTONS, ezo::kOverlayImageSize, ezo::kOverlayImageCount, QRect(0, 0, 12, 12)},
        // Split buttons are 7 x 7: the eighth row and column stay clear.
        {ezo::IDB_SPLIT_BUTTONS, ezo::kSplitImageSize, ezo::kSplitImageCount, QRect(0, 0, 7, 7)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const QImage strip = resource_test::LoadImage(c.id);
        ASSERT_FALSE(strip.isNull());
        EXPECT_EQ(strip.width(), c.imageWidth * c.count);
        EXPECT_EQ(strip.height(), c.imageWidth);
        const std::vector<QImage> images = resource_test::CutStrip(strip, c.imageWidth);
        ASSERT_EQ(int(images.size()), c.count);
        for (size_t i = 0; i < images.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(Transparent(images[i], c.shown), 0);
            const int outside = c.imageWidth * c.imageWidth - c.shown.width() * c.shown.height();
            EXPECT_EQ(Transparent(images[i], images[i].rect()) - Transparent(images[i], c.shown), outside);
        }
        ExpectAllDistinct(images);
    }
}

TEST_F(ProgramBitmapsTest, PlaceholderIsThreeDotsOnLightGrey) {
    const QImage image = resource_test::LoadImage(ezo::IDB_THUMB_PLACEHOLDER);
    ASSERT_FALSE(image.isNull());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool dot = y == 5 && (x == 2 || x == 5 || x == 8);
            EXPECT_EQ(image.pixel(x, y), dot ? qRgb(0, 0, 0) : qRgb(192, 192, 192)) << x << "," << y;
        }
}

TEST(PixelArtTest, StripsJoinOnlyEquallyHighPictures) {
    const ezo::PixelRows a{"ab", "cd"};
    const ezo::PixelRows b{"e", "f"};
    const ezo::PixelRows tall{"g", "h", "i"};
    const ezo::PixelRows ragged{"jk", "l"};
    const ezo::PixelRows empty;
    struct Case {
        const char* what;
        std::vector<const ezo::PixelRows*> pictures;
        ezo::PixelRows strip;
    };
    const Case cases[] = {
        {"two side by side", {&a, &b}, {"abe", "cdf"}},
        {"order kept", {&b, &a}, {"eab", "fcd"}},
        {"one", {&a}, a},
        {"heights differ", {&a, &tall}, {}},
        {"ragged rows", {&b, &ragged}, {}},
        {"an empty picture", {&empty}, {}},
        {"nothing", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ezo::JoinStrip(c.pictures), c.strip);
    }
    EXPECT_EQ(ezo::Mirrored({"ab.", "k.w"}), (ezo::PixelRows{".ba", "w.k"}));
    // The program's own colours reach the bitmap.
    gdi::BitmapPtr bitmap = BitmapFromPixelArt(ezo::ProgramArt({"aAs"}));
    ASSERT_TRUE(bitmap);
    EXPECT_NE(ImageFromBitmap(*bitmap).pixel(0, 0), ImageFromBitmap(*bitmap).pixel(1, 0));
}

}  // namespace

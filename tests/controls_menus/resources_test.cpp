#include <gtest/gtest.h>

#include <QImage>

#include "platform/controls/resources.h"
#include "platform/gdi/pixel_format.h"

namespace {

using namespace controls;

class ResourcesTest : public ::testing::Test {
protected:
    void TearDown() override { ClearResources(); }
};

TEST_F(ResourcesTest, StringsAreCutToTheBufferAndCountWhatWasCopied) {
    DefineString(40057, u"File");
    DefineString(40105, u"");
    const struct { const char* what; uint32_t id; int size; int copied; std::u16string text; } cases[] = {
        {"room to spare", 40057, 100, 4, u"File"},
        {"exactly room with the zero", 40057, 5, 4, u"File"},
        {"one short: cut", 40057, 4, 3, u"Fil"},
        {"room for the zero only", 40057, 1, 0, u""},
        {"unknown id", 7, 100, 0, u""},
        {"empty string", 40105, 100, 0, u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::u16string buffer(8, u'#');
        EXPECT_EQ(LoadString(nullptr, c.id, buffer.data(), c.size), c.copied);
        EXPECT_EQ(std::u16string(buffer.c_str()), c.text);
        if (c.size < 8) {
            EXPECT_EQ(buffer[size_t(c.size)], u'#') << "wrote past the buffer";
        }
    }
    char16_t untouched = u'#';
    EXPECT_EQ(LoadString(nullptr, 40057, &untouched, 0), 0);
    EXPECT_EQ(untouched, u'#');
    EXPECT_EQ(LoadString(nullptr, 40057, nullptr, 10), 0);
    EXPECT_EQ(LoadStringText(40057), u"File");
}

TEST_F(ResourcesTest, BadPixelMapsAreRefused) {
    const struct { const char* what; PixelArt art; } cases[] = {
        {"no rows", {{}, {}}},
        {"empty rows", {{"", ""}, {}}},
        {"ragged rows", {{"kk", "k"}, {}}},
        {"a character outside the palette", {{"k?"}, {}}},
    };
    for (const auto& c : cases) EXPECT_FALSE(BitmapFromPixelArt(c.art)) << c.what;
    EXPECT_FALSE(LoadBitmap(nullptr, 999));
    EXPECT_TRUE(LoadIcon(nullptr, 999).isNull());
    DefineIcon(101, {{"k.", ".k"}, {}});
    const QImage icon = LoadIcon(nullptr, 101);
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(qAlpha(icon.pixel(1, 0)), 0);
    EXPECT_EQ(icon.pixel(1, 1), qRgb(0, 0, 0));
}

}  // namespace

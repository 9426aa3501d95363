#include "platform/files/device_paths.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "files/temp_folder.h"
#include "platform/files/name_case.h"
#include "platform/files/utf.h"

namespace {

using testing_support::TempFolder;

class DevicePaths : public ::testing::Test {
protected:
    void SetUp() override {
        files::SetDeviceRoot(root.path());
        files::SetThumbnailFolder(cache.path() + "/ezo/Thumbnails");
        root.MakeFolder("My Documents/Pictures");
        root.WriteFile("My Documents/Photo.JPG", "x");
        root.WriteFile("My Documents/\xC3\x84rger.jpg", "x");  // "Ärger.jpg"
    }
    void TearDown() override {
        files::SetDeviceRoot("");
        files::SetThumbnailFolder("");
    }
    TempFolder root;
    TempFolder cache;
};

TEST_F(DevicePaths, MapsDevicePathsOntoHostNames) {
    const std::string docs = root / "My Documents";
    const std::string thumbs = cache.path() + "/ezo/Thumbnails";
    struct { std::u16string device; std::optional<std::string> host; } cases[] = {
        {u"\\", root.path()}, {u"", root.path()},
        {u"\\My Documents\\Photo.JPG", docs + "/Photo.JPG"},
        {u"My Documents\\Photo.JPG", docs + "/Photo.JPG"},  // leading "\" optional
        {u"\\my documents\\photo.jpg", docs + "/Photo.JPG"}, {u"\\MY DOCUMENTS\\PICTURES\\", docs + "/Pictures"},
        {u"\\My Documents\\\u00e4RGER.JPG", docs + "/\xC3\x84rger.jpg"},  // Latin-1 folds
        {u"\\My Documents\\new.jpg", docs + "/new.jpg"},  // kept as written for creation
        {u"\\Program Files\\Ezo\\Thumbnails\\index.tmb", thumbs + "/index.tmb"},
        {u"program files\\EZO\\thumbnails", thumbs}, {u"\\Program Files\\Ezo", root / "Program Files/Ezo"},
        {u"\\My Documents\\..\\..\\etc\\passwd", std::nullopt},
        {u"\\a:b", std::nullopt}, {u"\\a/b", std::nullopt}, {u"\\a\x0001", std::nullopt},
        {std::u16string(u"\\") + char16_t(0xD800), std::nullopt},  // lone surrogate
    };
    for (const auto& c : cases)
        EXPECT_EQ(files::HostPathOf(c.device), c.host) << files::Utf16ToUtf8(c.device).value_or("<bad>");
}

TEST_F(DevicePaths, CreatesTheThumbnailFolderWithItsParents) {
    ASSERT_TRUE(files::CreateThumbnailFolder());
    EXPECT_TRUE(std::filesystem::is_directory(cache.path() + "/ezo/Thumbnails"));
    EXPECT_TRUE(files::CreateThumbnailFolder());  // already there is fine
}

TEST(DeviceNames, RefusesWhatTheDeviceCannotHold) {
    struct { std::u16string name; bool valid; } cases[] = {
        {u"a.jpg", true}, {u".hidden", true}, {u"\u00e9t\u00e9 \u65e5\u672c.jpg", true},
        {std::u16string(259, u'x'), true}, {std::u16string(260, u'x'), false},
        {u"", false}, {u".", false}, {u"..", false},
    };
    for (const auto& c : cases) EXPECT_EQ(files::IsDeviceName(c.name), c.valid) << c.name.size();
    for (char16_t bad : std::u16string(u"\\/:*?\"<>|\t\x1f"))
        EXPECT_FALSE(files::IsDeviceName(std::u16string(u"a") + bad + u"b")) << int(bad);
}

TEST(NameCase, ComparesLikeTheHandheld) {
    struct { std::u16string a, b; int sign; } cases[] = {
        {u"abc", u"ABC", 0}, {u"A.jpg", u"b.jpg", -1},
        {u"_", u"a", -1}, {u"_", u"A", -1},  // folding to lower case puts '_' before letters
        {u"\u00c9", u"\u00e9", 0}, {u"ab", u"abc", -1},
        {u"\u00d7", u"\u00f7", -1},  // multiplication sign is not a letter
        {u"\u0391", u"\u03b1", -1},  // outside Latin-1: compared as they are
    };
    for (const auto& c : cases) {
        const int result = files::CompareNoCase(c.a, c.b);
        EXPECT_EQ((result > 0) - (result < 0), c.sign);
        const int reverse = files::CompareNoCase(c.b, c.a);
        EXPECT_EQ((reverse > 0) - (reverse < 0), -c.sign);
    }
}

TEST(Utf, ConvertsOnlyWellFormedText) {
    struct { std::string utf8; std::optional<std::u16string> utf16; } cases[] = {
        {"abc", u"abc"}, {"\xC3\xA9", u"\u00e9"}, {"\xE6\x97\xA5", u"\u65e5"}, {"\xF0\x9F\x98\x80", u"\U0001F600"},
        {"\xFF", std::nullopt},
        {"\xC3", std::nullopt},               // truncated
        {"\xC0\xAF", std::nullopt},           // overlong "/"
        {"\xE0\x80\xAF", std::nullopt},       // overlong "/"
        {"\xED\xA0\x80", std::nullopt},       // encoded surrogate
        {"\xF4\x90\x80\x80", std::nullopt},   // above U+10FFFF
        {"a\x80" "b", std::nullopt},          // stray continuation
    };
    for (const auto& c : cases) {
        EXPECT_EQ(files::Utf8ToUtf16(c.utf8), c.utf16) << c.utf8;
        if (c.utf16) { EXPECT_EQ(files::Utf16ToUtf8(*c.utf16), c.utf8); }
    }
    for (char16_t lone : {u'\xDC00', u'\xDFFF'}) EXPECT_EQ(files::Utf16ToUtf8(std::u16string(1, lone)), std::nullopt);
    EXPECT_EQ(files::Utf16ToUtf8(std::u16string(1, char16_t(0xD800)) + u"a"), std::nullopt);
}

}  // namespace

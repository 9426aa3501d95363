// Opening pictures for viewing and stepping through the listed folder.
#include "shell/resource_ids.h"
#include "shell/shell_windows.h"
#include "viewer_fixture.h"

namespace viewer_test {
namespace {

// A file that cannot be opened (title null) changes nothing.
TEST_F(ViewerTest, OpeningShowsThePictureNamedInTheTitle) {
    struct Case { const char* name; int kind; int fullScreen; const char16_t* title; } cases[] = {
        {"a.jpeg", Jpeg, 0, u"Ezo - a"},  {"Ünï code.JPG", Jpg, 0, u"Ezo - Ünï code"},
        {"full.jpg", Jpg, 1, u"Ezo - full"}, {"bad.jpg", Jpg, 0, nullptr}, {"gone.jpg", Jpg, 0, nullptr},
        {"a.jpeg", -1, 0, nullptr},        {"a.jpeg", 4, 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        ListFolder({"a.jpeg", "Ünï code.JPG", "full.jpg", "bad.jpg"});
        Program& p = program();
        p.viewState.fullScreen = c.fullScreen;
        EXPECT_EQ(OpenImageForView(window_, PathOf(c.name), c.kind, 0), c.title ? 1 : 0);
        EXPECT_EQ(device::GetWindowText(window_), c.title ? c.title : u"Ezo");
        EXPECT_EQ(p.settings.latestFile, c.title ? PathOf(c.name) : u"\\");  // else still the start folder
        EXPECT_EQ(p.shell.browseMode, c.title ? 0 : 1);
        EXPECT_EQ(p.viewState.imageLoaded, c.title ? 1 : 0);
        EXPECT_EQ(device::IsWindowVisible(MenuBar(p.shell, IDR_BAR_REPORT)), !c.title);
        EXPECT_EQ(device::IsWindowVisible(MenuBar(p.shell, IDR_BAR_VIEW)), c.title && !c.fullScreen);
        EXPECT_FALSE(device_->waitIndicatorShown());
    }
    // Long names are cut, never in half a character (U+10000 starts with the
    // first high surrogate, 0xD800).
    EXPECT_EQ(ViewTitle(u"\\F\\" + std::u16string(300, u'y') + u".jpg"), u"Ezo - " + std::u16string(253, u'y'));
    EXPECT_EQ(ViewTitle(u"\\F\\" + std::u16string(252, u'y') + u"\U00010000.jpg"), u"Ezo - " + std::u16string(252, u'y'));
}

// Steps skip unreadable files and stop at the ends. The loader lets the old
// picture go before it decodes: a step over nothing but unreadable files
// still leaves the picture on view. A picture no longer listed has no
// neighbours.
TEST_F(ViewerTest, SteppingSkipsUnreadableFilesAndStopsAtTheEnds) {
    struct Case {
        std::initializer_list<const char*> folder;
        const char16_t* from;  // as opened: letter case does not matter
        bool next;
        int result;
        const char16_t* showing;
    } cases[] = {
        {{"a.jpg", "bad.jpg", "c.jpg"}, u"\\Folder\\a.jpg", true, 1, u"c.jpg"},
        {{"a.jpg", "bad.jpg", "c.jpg"}, u"\\Folder\\c.jpg", false, 1, u"a.jpg"},
        {{"a.jpg", "bad.jpg", "c.jpg"}, u"\\Folder\\a.jpg", false, 0, u"a.jpg"},
        {{"a.jpg", "bad.jpg", "c.jpg"}, u"\\Folder\\c.jpg", true, 0, u"c.jpg"},
        {{"a.jpg", "bad.jpg", "c.jpg"}, u"\\FOLDER\\A.JPG", true, 1, u"c.jpg"},
        {{"a.jpg", "bad.jpg"}, u"\\Folder\\a.jpg", true, 0, u"a.jpg"},
        {{"a.jpg", "c.jpg"}, u"\\Folder\\x.jpg", true, 0, u"x.jpg"},  // x.jpg is not listed
        {{"a.jpg", "c.jpg"}, u"\\Folder\\x.jpg", false, 0, u"x.jpg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.next ? "next from " : "previous from ") << &c - cases);
        ListFolder(c.folder);
        pictures_->Write("Folder/x.jpg", jpeg_test::Samples(16, 16, JCS_RGB, {250, 0, 0}));
        ASSERT_EQ(OpenImageForView(window_, c.from, Jpg, 0), 1);
        EXPECT_EQ(c.next ? StepToNextImage(window_, 0) : StepToPreviousImage(window_, 0), c.result);
        EXPECT_EQ(Showing(), c.showing);
        EXPECT_EQ(program().viewState.imageLoaded, 1);
        FillWindow(kWhite);
        device::InvalidateRect(window_, nullptr, true);
        device_->processPending();
        EXPECT_NE(Pixel(120, 134), kWhite);
    }
}

}  // namespace
}  // namespace viewer_test

// Opening pictures for viewing and stepping through the listed folder.
#include "app/resource_ids.h"
#include "app/shell/shell_windows.h"
#include "viewer_fixture.h"

namespace viewer_test {
namespace {

TEST_F(ViewerTest, OpeningShowsThePictureNamedInTheTitle) {
    struct Case {
        const char* name;
        const char16_t* title;
        int fullScreen;
    } cases[] = {{"a.jpeg", u"Ezo - a", 0}, {"Ünï code.JPG", u"Ezo - Ünï code", 0}, {"full.jpg", u"Ezo - full", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ListFolder({c.name});
        HideViewBars();
        shell.browseMode = 1;
        viewState.fullScreen = c.fullScreen;
        EXPECT_EQ(Open(c.name), 1);
        EXPECT_EQ(device::GetWindowText(window_), c.title);
        EXPECT_EQ(settings.latestFile, PathOf(c.name));
        EXPECT_EQ(shell.browseMode, 0);
        EXPECT_FALSE(device::IsWindowVisible(MenuBar(IDR_BAR_REPORT)));
        EXPECT_EQ(device::IsWindowVisible(MenuBar(IDR_BAR_VIEW)), !c.fullScreen);
        EXPECT_FALSE(device_->waitIndicatorShown());
    }
    const std::u16string cut = ViewTitle(u"\\F\\" + std::u16string(252, u'y') + u"\U0001F600.jpg");
    EXPECT_EQ(cut, u"Ezo - " + std::u16string(252, u'y')) << "never half a character";
}

TEST_F(ViewerTest, AFileThatCannotBeOpenedChangesNothing) {
    ListFolder({"a.jpg", "bad.jpg"});
    struct Case {
        const char* name;
        int kind;
    } cases[] = {{"bad.jpg", Jpg}, {"gone.jpg", Jpg}, {"a.jpg", -1}, {"a.jpg", 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(OpenImageForView(window_, PathOf(c.name), c.kind, 0), 0);
        EXPECT_EQ(shell.browseMode, 1);
        EXPECT_EQ(device::GetWindowText(window_), u"Ezo");
        EXPECT_EQ(viewState.imageLoaded, 0);
        EXPECT_FALSE(device_->waitIndicatorShown());
    }
}

TEST_F(ViewerTest, SteppingSkipsUnreadableFilesAndStopsAtTheEnds) {
    ListFolder({"a.jpg", "bad.jpg", "c.jpg"});
    struct Case {
        const char16_t* from;  // as opened: letter case does not matter
        bool next;
        int result;
        const char16_t* showing;
    } cases[] = {
        {u"\\Folder\\a.jpg", true, 1, u"c.jpg"},  {u"\\Folder\\c.jpg", false, 1, u"a.jpg"},
        {u"\\Folder\\a.jpg", false, 0, u"a.jpg"}, {u"\\Folder\\c.jpg", true, 0, u"c.jpg"},
        {u"\\FOLDER\\A.JPG", true, 1, u"c.jpg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.next ? "next" : "previous"));
        ASSERT_EQ(OpenImageForView(window_, c.from, Jpg, 0), 1);
        EXPECT_EQ(c.next ? StepToNextImage(window_, 0) : StepToPreviousImage(window_, 0), c.result);
        EXPECT_EQ(Showing(), c.showing);
    }
}

// The loader lets the old picture go before it decodes; a step over nothing
// but unreadable files still leaves the picture on view.
TEST_F(ViewerTest, AStepThatOpensNothingKeepsThePictureShown) {
    ListFolder({"a.jpg", "bad.jpg"});
    ASSERT_EQ(Open("a.jpg"), 1);
    EXPECT_EQ(StepToNextImage(window_, 0), 0);
    EXPECT_EQ(viewState.imageLoaded, 1);
    FillWindow(kWhite);
    device::InvalidateRect(window_, nullptr, true);
    device_->processPending();
    EXPECT_NE(Pixel(120, 134), kWhite);
}

TEST_F(ViewerTest, APictureNoLongerListedHasNoNeighbours) {
    ListFolder({"a.jpg", "b.jpg", "c.jpg"});
    ASSERT_EQ(Open("b.jpg"), 1);
    fs::remove(fs::path(files::DeviceRoot()) / "Folder" / "b.jpg");
    ScanFolder();
    EXPECT_EQ(StepToNextImage(window_, 0), 0);
    EXPECT_EQ(StepToPreviousImage(window_, 0), 0);
    EXPECT_EQ(Showing(), u"b.jpg");
}

}  // namespace
}  // namespace viewer_test

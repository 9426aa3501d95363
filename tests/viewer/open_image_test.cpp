// Opening pictures for viewing and stepping through the listed folder.
#include <filesystem>

#include "app/resource_ids.h"
#include "app/shell/shell_state.h"
#include "app/shell/shell_windows.h"
#include "browse/file_list.h"
#include "image/open_image.h"
#include "image/view_state.h"
#include "platform/device/window.h"
#include "platform/files/device_paths.h"
#include "settings/settings.h"
#include "viewer_fixture.h"

namespace viewer_test {
namespace {

using namespace ezo;

constexpr int32_t kCentreX = 120, kCentreY = 134;  // inside a centred 16 x 16 picture

TEST_F(ViewerTest, OpeningShowsThePictureWithItsNameInTheTitle) {
    struct Case {
        const char* name;
        const char16_t* title;
        int fullScreen;
    } cases[] = {
        {"a.jpeg", u"Ezo - a", 0},
        {"two words.JPG", u"Ezo - two words", 0},
        {"Ünïcode.jpg", u"Ezo - Ünïcode", 0},
        {"full.jpg", u"Ezo - full", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ListFolder({c.name});
        shell.browseMode = 1;
        viewState.fullScreen = c.fullScreen;
        ShowBrowseBar();
        HideViewBars();
        EXPECT_EQ(Open(c.name), 1);
        EXPECT_EQ(Title(), c.title);
        EXPECT_EQ(settings.latestFile, PathOf(c.name));
        EXPECT_EQ(shell.browseMode, 0);
        EXPECT_FALSE(device::IsWindowVisible(MenuBar(IDR_BAR_REPORT)));
        EXPECT_EQ(device::IsWindowVisible(MenuBar(IDR_BAR_VIEW)), !c.fullScreen);
        EXPECT_FALSE(device_->waitIndicatorShown());
        if (!c.fullScreen) {
            EXPECT_NE(Pixel(kCentreX, kCentreY), kWhite);
        }
    }
}

TEST(ViewTitle, KeepsWithinTheTitleBufferAndWholeCharacters) {
    const std::u16string longName(300, u'x');
    EXPECT_EQ(ViewTitle(u"\\F\\" + longName + u".jpg"), (u"Ezo - " + longName).substr(0, kMaxTitleLength));
    // The cut would fall between the two halves of the emoji: it goes whole.
    const std::u16string name = std::u16string(252, u'y') + u"\U0001F600z";
    EXPECT_EQ(ViewTitle(u"\\F\\" + name + u".gif"), u"Ezo - " + std::u16string(252, u'y'));
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
        EXPECT_EQ(Title(), u"Ezo");
        EXPECT_EQ(settings.latestFile, u"");
        EXPECT_EQ(viewState.imageLoaded, 0);
        EXPECT_FALSE(device_->waitIndicatorShown());
    }
}

TEST_F(ViewerTest, SteppingSkipsUnreadableFilesAndStopsAtTheEnds) {
    ListFolder({"a.jpg", "bad.jpg", "c.jpg"});
    struct Case {
        const char* from;
        bool next;
        int result;
        const char* showing;
    } cases[] = {
        {"a.jpg", true, 1, "c.jpg"},
        {"c.jpg", false, 1, "a.jpg"},
        {"a.jpg", false, 0, "a.jpg"},
        {"c.jpg", true, 0, "c.jpg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + (c.next ? " next" : " previous"));
        ASSERT_EQ(Open(c.from), 1);
        EXPECT_EQ(c.next ? StepToNextImage(window_, 0) : StepToPreviousImage(window_, 0), c.result);
        EXPECT_EQ(Showing(), c.showing);
        EXPECT_EQ(Title(), u"Ezo - " + PathOf(c.showing).substr(8, 1));
        EXPECT_TRUE(viewState.currentImage);
    }
}

// The loader lets the old picture go before it decodes; a step over nothing
// but unreadable files must still leave the picture on view.
TEST_F(ViewerTest, AStepThatOpensNothingKeepsThePictureShown) {
    ListFolder({"a.jpg", "bad.jpg"});
    ASSERT_EQ(Open("a.jpg"), 1);
    EXPECT_EQ(StepToNextImage(window_, 0), 0);
    EXPECT_EQ(Showing(), "a.jpg");
    EXPECT_TRUE(viewState.currentImage);
    EXPECT_EQ(viewState.imageLoaded, 1);
    FillWindow(kWhite);
    device::InvalidateRect(window_, nullptr, true);
    device_->processPending();
    EXPECT_NE(Pixel(kCentreX, kCentreY), kWhite);
}

TEST_F(ViewerTest, APictureNoLongerListedHasNoNeighbours) {
    ListFolder({"a.jpg", "b.jpg", "c.jpg"});
    ASSERT_EQ(Open("b.jpg"), 1);
    std::filesystem::remove(std::filesystem::path(files::DeviceRoot()) / "Folder" / "b.jpg");
    ScanFolder();
    EXPECT_EQ(StepToNextImage(window_, 0), 0);
    EXPECT_EQ(StepToPreviousImage(window_, 0), 0);
    EXPECT_EQ(Showing(), "b.jpg");
}

// Device names ignore case, and so does finding the picture in the list.
TEST_F(ViewerTest, TheCurrentPictureIsFoundWhateverItsLetterCase) {
    ListFolder({"a.jpg", "c.jpg"});
    ASSERT_EQ(OpenImageForView(window_, u"\\FOLDER\\A.JPG", Jpg, 0), 1);
    EXPECT_EQ(StepToNextImage(window_, 0), 1);
    EXPECT_EQ(Showing(), "c.jpg");
}

}  // namespace
}  // namespace viewer_test

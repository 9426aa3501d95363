// The real main window showing thumbnails while the user keeps changing
// folders, opening pictures, emptying the store and finally closing the
// window, each while a pass runs. Run under ThreadSanitizer too.
#include <chrono>
#include <filesystem>
#include <thread>

#include "browse_views/browse_fixture.h"
#include "image/open_image.h"
#include "shell/image_kind.h"
#include "shell/resource_ids.h"
#include "shell/thumbnail_thread.h"
#include "thumbs/thumbnail_store.h"

namespace thumbs_test {
namespace {

using namespace ezo;

class ChurnTest : public browse_test::BrowseViewsTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        std::filesystem::create_directories(files::ThumbnailFolder());  // the store is on
        for (const char* folder : {"A", "B"}) {
            MakeFolder(folder);
            for (int i = 0; i < 6; ++i)
                pictures_->Write(std::string(folder) + "/" + std::to_string(i) + ".jpg",
                                 jpeg_test::Samples(640 + 16 * i, 480, JCS_RGB, {uint8_t(30 * i), 90, 160}));
        }
        Start();
    }
    void SelectFolder(const char* path) {
        Select(Item(browse_test::U16(path)));
        dev().processPending();
    }
    // Until the pass has ended and the window has every thumbnail it made.
    void Settle() {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!ThumbnailPassSettled(program()) && std::chrono::steady_clock::now() < end) {
            dev().processPending();
            TakeFinishedThumbnails(program());
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ASSERT_TRUE(ThumbnailPassSettled(program()));
    }
    int WithThumbnail() const {
        int n = 0;
        for (const FileEntry* e = program().fileList.head.get(); e; e = e->next.get()) n += e->thumbnail ? 1 : 0;
        return n;
    }
};

TEST_F(ChurnTest, EveryWayOfInterruptingAPassLeavesTheGridFillable) {
    SelectFolder("\\A");
    device::SendMessage(window_, device::WM_COMMAND, IDM_TO_THUMBNAILS, 0);
    ASSERT_EQ(program().shell.thumbViewActive, 1);
    for (int round = 0; round < 6; ++round) {
        SelectFolder(round % 2 ? "\\A" : "\\B");
        ASSERT_EQ(OpenImageForView(window_, browse_test::U16("\\A\\1.jpg"), Jpg, 0), 1);
        device::SendMessage(window_, device::WM_COMMAND, IDM_BACK_TO_BROWSE, 0);
        dev().processPending();
        if (round % 3 == 2) EmptyThumbnailStore(program());
    }
    SelectFolder("\\B");
    Settle();
    EXPECT_EQ(WithThumbnail(), 6);
    EXPECT_GE(ThumbnailStoreHighestNumber(program()), 6);
    // Closing with a pass under way.
    SelectFolder("\\A");
    device::DestroyWindow(window_);
    window_ = nullptr;
}

}  // namespace
}  // namespace thumbs_test

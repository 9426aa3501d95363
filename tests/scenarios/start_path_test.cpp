// `ezo PATH`: the host path as the device path the program opens, and the
// root that holds it.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/start_path.h"
#include "files/temp_folder.h"

namespace ezo {
namespace {

namespace fs = std::filesystem;

class StartPathTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* dir : {"root/My Pictures/Trip", "outside/Album"}) folder_.MakeFolder(dir);
        for (const char* file : {"root/My Pictures/Trip/Plage d'été.jpg", "root/top.jpg", "outside/Album/x.gif"})
            folder_.WriteFile(file, "x");
    }
    std::string At(const std::string& relative) const { return folder_ / relative; }

    testing_support::TempFolder folder_;
};

TEST_F(StartPathTest, PathsBecomeDevicePathsAndOutsidePathsBringTheirRoot) {
    struct Case { const char* name; std::string path, cwd; std::u16string devicePath; std::string root; } cases[] = {
        {"picture below the root", At("root/My Pictures/Trip/Plage d'été.jpg"), "/", u"\\My Pictures\\Trip\\Plage d'été.jpg",
         At("root")},
        {"folder ends in a backslash", At("root/My Pictures/Trip/"), "/", u"\\My Pictures\\Trip\\", At("root")},
        {"the root itself", At("root"), "/", u"\\", At("root")},
        {"relative to the current folder", "Trip/../Trip/Plage d'été.jpg", At("root/My Pictures"),
         u"\\My Pictures\\Trip\\Plage d'été.jpg", At("root")},
        {"picture outside: its folder is the root", At("outside/Album/x.gif"), "/", u"\\x.gif", At("outside/Album")},
        {"folder outside: it is the root", At("outside/Album"), "/", u"\\", At("outside/Album")},
        {"a sibling whose name starts like the root", At("outside"), At("root"), u"\\", At("outside")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const StartPath start = ResolveStartPath(c.path, At("root"), c.cwd);
        EXPECT_EQ(start.error, "");
        EXPECT_EQ(start.devicePath, c.devicePath);
        EXPECT_EQ(fs::path(start.root), fs::path(c.root));
    }
}

TEST_F(StartPathTest, PathsThatCannotBeShownAreRefusedWithTheirReason) {
    folder_.MakeFolder("root/" + std::string(250, 'd'));
    folder_.WriteFile("root/" + std::string(250, 'd') + "/long name.jpg", "x");
    folder_.WriteFile("root/bad\x01name.jpg", "x");
    struct Case { std::string path; const char* reason; } cases[] = {
        {At("root/missing.jpg"), "does not exist"},
        {"", "is not a file or a folder"},
        {"/dev/null", "is not a file or a folder"},
        {At("root/bad\x01name.jpg"), "has a name the device cannot hold"},
        {At("root/" + std::string(250, 'd') + "/long name.jpg"), "is too long for the device"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const StartPath start = ResolveStartPath(c.path, At("root"), "/");
        EXPECT_NE(start.error.find(c.reason), std::string::npos) << start.error;
        EXPECT_TRUE(start.devicePath.empty());
    }
}

}  // namespace
}  // namespace ezo

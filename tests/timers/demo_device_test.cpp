// The demo device tool writes its tree where asked (the small files only:
// the big one is left to the build, which makes it every time).
#include "demo/demo_device.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string>

namespace {

TEST(DemoDevice, WritesItsFolders) {
    std::vector<demo::DemoFile> files;
    std::copy_if(demo::DemoFiles().begin(), demo::DemoFiles().end(), std::back_inserter(files),
                 [](const demo::DemoFile& f) { return long(f.width) * f.height <= 1'000'000; });
    QTemporaryDir dir;
    const std::filesystem::path root = dir.path().toStdString();
    std::string error;
    ASSERT_TRUE(demo::MakeDemoDevice(root, &error, files)) << error;
    for (const demo::DemoFile& file : files)
        EXPECT_TRUE(std::filesystem::exists(root / std::filesystem::path(file.path)))
            << reinterpret_cast<const char*>(file.path);
}

}  // namespace

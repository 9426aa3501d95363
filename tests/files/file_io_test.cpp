#include "platform/files/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "files/temp_folder.h"
#include "platform/files/device_paths.h"

namespace {

using testing_support::ReadWholeFile;
using testing_support::TempFolder;

class FileIo : public ::testing::Test {
protected:
    void SetUp() override {
        files::SetDeviceRoot(root.path());
        root.WriteFile("Old.jpg", "old");
        root.MakeFolder("Folder.jpg");
        ::mkfifo((root / "pipe.jpg").c_str(), 0644);
    }
    void TearDown() override { files::SetDeviceRoot(""); }
    TempFolder root;
};

TEST_F(FileIo, CreateFileHonoursTheDisposition) {
    using namespace files;
    // contentAfter: the host file's, after writing "new"
    struct { std::u16string path; uint32_t access, disposition; bool opens; std::string contentAfter; } cases[] = {
        {u"\\old.jpg", GENERIC_READ, OPEN_EXISTING, true, "old"},
        {u"\\missing.jpg", GENERIC_READ, OPEN_EXISTING, false, ""},
        {u"\\old.jpg", GENERIC_WRITE, CREATE_NEW, false, "old"},
        {u"\\old.jpg", GENERIC_WRITE, CREATE_ALWAYS, true, "new"},
        {u"\\old.jpg", GENERIC_WRITE, OPEN_EXISTING, true, "new"},
        {u"\\fresh.jpg", GENERIC_WRITE, CREATE_NEW, true, "new"},
        {u"\\fresh.jpg", GENERIC_WRITE, OPEN_ALWAYS, true, "new"},
        {u"\\folder.jpg", GENERIC_READ, OPEN_EXISTING, false, ""},
        {u"\\pipe.jpg", GENERIC_READ, OPEN_EXISTING, false, ""},  // must not block
        {u"\\..\\escape.jpg", GENERIC_WRITE, CREATE_ALWAYS, false, ""},
    };
    for (const auto& c : cases) {
        SetUp();
        ::unlink((root / "fresh.jpg").c_str());
        FileHandle file = CreateFile(c.path, c.access, FILE_SHARE_READ, nullptr, c.disposition, 0x80, nullptr);
        EXPECT_EQ(file.valid(), c.opens) << c.path.size() << " " << c.disposition;
        if (file.valid() && (c.access & GENERIC_WRITE)) {
            uint32_t written = 0;
            EXPECT_TRUE(WriteFile(file, "new", 3, &written));
            EXPECT_EQ(written, 3u);
        }
        CloseHandle(file);
        if (c.opens) {
            const std::string host = c.path == u"\\fresh.jpg" ? root / "fresh.jpg" : root / "Old.jpg";
            EXPECT_EQ(ReadWholeFile(host), c.contentAfter);
        }
    }
}

TEST_F(FileIo, ReadsInChunksUntilTheEnd) {
    using namespace files;
    FileHandle file = CreateFile(u"OLD.JPG", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_TRUE(file.valid());
    uint32_t high = 99;
    EXPECT_EQ(files::GetFileSize(file, &high), 3u);
    EXPECT_EQ(high, 0u);
    char buffer[2];
    uint32_t got = 0;
    std::string all;
    while (files::ReadFile(file, buffer, sizeof buffer, &got) && got > 0) all.append(buffer, got);
    EXPECT_EQ(all, "old");
    files::FileHandle closed;
    EXPECT_FALSE(files::ReadFile(closed, buffer, 1, &got));
    EXPECT_EQ(files::GetFileSize(closed, nullptr), files::INVALID_FILE_SIZE);
}

TEST_F(FileIo, StreamModesBehaveAsTheRuntimeLibrarys) {
    struct { std::u16string path, mode; bool opens; std::string written, after; } cases[] = {
        {u"\\old.jpg", u"rb", true, "", "old"},
        {u"\\missing.tmb", u"r+b", false, "", ""},
        {u"\\index.tmb", u"a", true, "", ""},  // creates an empty file
        {u"\\old.jpg", u"a", true, "+", "old+"},
        {u"\\old.jpg", u"wb", true, "w", "w"},
        {u"\\old.jpg", u"r+b", true, "O", "Old"},
        {u"\\folder.jpg", u"rb", false, "", ""},
        {u"\\pipe.jpg", u"rb", false, "", ""},
        {u"\\old.jpg", u"xb", false, "", ""},
    };
    for (const auto& c : cases) {
        root.WriteFile("Old.jpg", "old");
        files::FilePtr file = files::_wfopen(c.path, c.mode);
        EXPECT_EQ(file != nullptr, c.opens) << c.path.size();
        if (!file) continue;
        if (!c.written.empty()) std::fwrite(c.written.data(), 1, c.written.size(), file.get());
        file.reset();
        const auto host = files::HostPathOf(c.path);
        EXPECT_EQ(ReadWholeFile(*host), c.after);
    }
}

TEST_F(FileIo, DeletesCreatesAndMoves) {
    EXPECT_TRUE(files::CreateDirectory(u"\\New"));
    EXPECT_FALSE(files::CreateDirectory(u"\\new"));          // exists, whatever the case
    EXPECT_FALSE(files::CreateDirectory(u"\\no\\such\\dir"));  // parent missing
    EXPECT_FALSE(files::DeleteFile(u"\\new"));               // a folder
    EXPECT_TRUE(files::MoveFile(u"\\old.jpg", u"\\new\\moved.jpg"));
    EXPECT_FALSE(files::MoveFile(u"\\old.jpg", u"\\x.jpg"));  // source gone
    root.WriteFile("other.jpg", "o");
    EXPECT_FALSE(files::MoveFile(u"\\other.jpg", u"\\NEW\\MOVED.JPG"));  // target exists
    EXPECT_TRUE(files::DeleteFile(u"\\New\\Moved.jpg"));
    EXPECT_FALSE(files::DeleteFile(u"\\New\\Moved.jpg"));
    EXPECT_FALSE(std::filesystem::exists(root / "New/moved.jpg"));
}

}  // namespace

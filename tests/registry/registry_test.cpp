// The registry on its file: every change saved at once and safely, damage set aside and told.
#include "platform/registry/registry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <variant>

#include "files/temp_folder.h"
#include "platform/registry/atomic_file.h"

namespace {

using namespace registry;
using testing_support::ReadWholeFile;
using testing_support::TempFolder;

const std::string kEzoFile =
    "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Morvex\\Ezo]\n";

long SetDword(HKEY key, std::u16string_view name, uint32_t value) {
    return RegSetValueEx(key, name, 0, REG_DWORD, reinterpret_cast<const uint8_t*>(&value), 4);
}

// The value's DWORD, or the error the query gave.
using Got = std::variant<uint32_t, long>;
Got Dword(HKEY key, std::u16string_view name) {
    uint32_t value = 0, size = 4;
    const long result = RegQueryValueEx(key, name, nullptr, nullptr, reinterpret_cast<uint8_t*>(&value), &size);
    return result == ERROR_SUCCESS ? Got(value) : Got(result);
}

class Registry : public ::testing::Test {
protected:
    void SetUp() override { SetRegistryFile(file()); }
    void TearDown() override {
        SimulateDiskFullAfter(std::nullopt);
        SetRegistryFile("");
    }
    std::string file() const { return folder / "config/ezo/registry.reg"; }
    std::vector<std::string> FolderNames() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(folder / "config/ezo"))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    void WriteStore(const std::string& text) {
        folder.MakeFolder("config/ezo");
        folder.WriteFile("config/ezo/registry.reg", text);
        SetRegistryFile(file());
    }
    HKEY Open(uint32_t access, uint32_t* disposition = nullptr) {
        HKEY key;
        EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, u"Software\\Morvex\\Ezo", 0, nullptr, 0, access, nullptr, &key,
                                 disposition),
                  ERROR_SUCCESS);
        return key;
    }
    // Stores two values afresh from the file; what went to standard error.
    std::string StoreValues() {
        SetRegistryFile(file());
        testing::internal::CaptureStderr();
        RegKey key;
        if (RegCreateKeyEx(HKEY_CURRENT_USER, u"Software\\Morvex\\Ezo", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                           key.out(), nullptr) == ERROR_SUCCESS) {
            SetDword(key.get(), u"Slide", 1);
            SetDword(key.get(), u"Other", 1);
        }
        return testing::internal::GetCapturedStderr();
    }
    TempFolder folder;
};

TEST_F(Registry, CreatesKeysOnceAndFindsThemWhateverTheCase) {
    uint32_t disposition = 0;
    RegKey first;
    *first.out() = Open(KEY_READ, &disposition);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    EXPECT_EQ(ReadWholeFile(file()), kEzoFile);
    RegKey second;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, u"SOFTWARE\\morvex\\EZO", 0, nullptr, 0, KEY_READ, nullptr,
                             second.out(), &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
}

TEST_F(Registry, QueriesFollowTheBufferRules) {
    RegKey key;
    *key.out() = Open(KEY_ALL_ACCESS);
    const uint8_t text[] = {'a', 0, 'b', 0, 'c', 0};
    ASSERT_EQ(RegSetValueEx(key.get(), u"Text", 0, REG_SZ, text, sizeof text), ERROR_SUCCESS);
    uint8_t buffer[8];
    struct Case { std::u16string name; bool withBuffer; uint32_t size; long result; uint32_t sizeAfter; int written; };
    const Case cases[] = {
        {u"Text", true, 8, ERROR_SUCCESS, 6, 6}, {u"TEXT", true, 6, ERROR_SUCCESS, 6, 6},
        {u"Text", true, 5, ERROR_MORE_DATA, 6, 0},  // nothing written
        {u"Text", false, 0, ERROR_SUCCESS, 6, 0},   // size asked only
        {u"Missing", true, 8, ERROR_FILE_NOT_FOUND, 8, 0},
    };
    for (const auto& c : cases) {
        std::fill(std::begin(buffer), std::end(buffer), 0xEE);
        uint32_t type = 99, size = c.size;
        EXPECT_EQ(RegQueryValueEx(key.get(), c.name, nullptr, &type, c.withBuffer ? buffer : nullptr, &size), c.result);
        EXPECT_EQ(size, c.sizeAfter);
        for (int i = 0; i < 8; ++i) EXPECT_EQ(buffer[i], i < c.written ? text[i] : 0xEE);
        EXPECT_EQ(type, c.result == ERROR_FILE_NOT_FOUND ? 99u : REG_SZ);
    }
}

TEST_F(Registry, ChecksAccessAndHandles) {
    HKEY reader = Open(KEY_READ);
    EXPECT_EQ(SetDword(reader, u"Slide", 3), ERROR_ACCESS_DENIED);
    HKEY writer = Open(KEY_WRITE);
    EXPECT_EQ(SetDword(writer, u"Slide", 3), ERROR_SUCCESS);
    EXPECT_EQ(Dword(writer, u"Slide"), Got(ERROR_ACCESS_DENIED));
    EXPECT_EQ(Dword(reader, u"Slide"), Got(3u));
    uint8_t data[4] = {};
    EXPECT_EQ(RegSetValueEx(writer, u"bad\nname", 0, REG_DWORD, data, 4), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegCloseKey(reader), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(reader), ERROR_INVALID_HANDLE);
    EXPECT_EQ(Dword(reader, u"Slide"), Got(ERROR_INVALID_HANDLE));
    EXPECT_EQ(RegCloseKey(writer), ERROR_SUCCESS);
}

TEST_F(Registry, EveryChangeIsOnDiskAndSurvivesARestart) {
    {
        RegKey key;
        *key.out() = Open(KEY_ALL_ACCESS);
        ASSERT_EQ(SetDword(key.get(), u"Slide", 5), ERROR_SUCCESS);
    }
    EXPECT_EQ(ReadWholeFile(file()), kEzoFile + "\"Slide\"=dword:00000005\n");
    SetRegistryFile(file());  // as a new run would
    RegKey key;
    *key.out() = Open(KEY_READ);
    EXPECT_EQ(Dword(key.get(), u"slide"), Got(5u));
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"registry.reg"});  // no temporary left
}

TEST_F(Registry, AFailedWriteLeavesTheOldFileAndTheOldValue) {
    RegKey key;
    *key.out() = Open(KEY_ALL_ACCESS);
    ASSERT_EQ(SetDword(key.get(), u"Slide", 5), ERROR_SUCCESS);
    const std::string before = ReadWholeFile(file());
    for (size_t limit : {size_t(0), size_t(10), size_t(60)}) {
        SimulateDiskFullAfter(limit);
        EXPECT_EQ(SetDword(key.get(), u"Slide", 9), ERROR_DISK_FULL) << limit;
        EXPECT_EQ(SetDword(key.get(), u"New", 1), ERROR_DISK_FULL) << limit;
        SimulateDiskFullAfter(std::nullopt);
        EXPECT_EQ(ReadWholeFile(file()), before);
        EXPECT_EQ(FolderNames(), std::vector<std::string>{"registry.reg"});
        EXPECT_EQ(Dword(key.get(), u"Slide"), Got(5u));
        EXPECT_EQ(Dword(key.get(), u"New"), Got(ERROR_FILE_NOT_FOUND));
    }
}

// A damaged or oversized file is set aside, never overwritten, and its sound part read and kept.
TEST_F(Registry, ABadFileIsKeptAsideAndItsSoundPartRead) {
    const std::string damaged =
        kEzoFile + "\"Slide\"=dword:00000007\n\"OpenMode\"=dword:zz\n\"Key1\"=dword:00000002\n";
    WriteStore(damaged);
    HKEY key = Open(KEY_READ);
    RegCloseKey(key);
    std::vector<std::string> names = FolderNames();
    ASSERT_EQ(names.size(), 2u);
    EXPECT_TRUE(names[1].starts_with("registry.reg.damaged-")) << names[1];
    EXPECT_EQ(ReadWholeFile(folder / ("config/ezo/" + names[1])), damaged);
    EXPECT_EQ(ReadWholeFile(file()), kEzoFile + "\"Slide\"=dword:00000007\n\"Key1\"=dword:00000002\n");

    // One 8 MiB line: read only up to the limit, in the same second.
    WriteStore(kEzoFile + "\"Slide\"=dword:00000004\n\"Junk\"=\"" + std::string(8 << 20, 'x') + "\"\n");
    key = Open(KEY_READ);
    EXPECT_EQ(Dword(key, u"Slide"), Got(4u));
    RegCloseKey(key);
    EXPECT_EQ(FolderNames().size(), 3u);
    EXPECT_LT(ReadWholeFile(file()).size(), 200u);
}

TEST_F(Registry, EachFileProblemIsOneLineNamingTheFile) {
    // told: after "ezo: settings file <file>: "; empty for nothing told.
    struct { const char* what; std::function<void()> prepare; std::string told; bool saveFailed; } cases[] = {
        {"sound", [&] { folder.WriteFile("config/ezo/registry.reg", kEzoFile + "\"Slide\"=dword:00000003\n"); }, "", false},
        {"damaged", [&] { folder.WriteFile("config/ezo/registry.reg", kEzoFile + "\"Slide\"=dword:zz\n\"Key1\"=dword:1\n"); },
         "is damaged; kept as " + file() + ".damaged-", false},
        {"not a file", [&] { std::filesystem::create_directories(file()); },
         "is not a regular file; kept as " + file() + ".damaged-", false},
        {"disk full", [&] { folder.WriteFile("config/ezo/registry.reg", kEzoFile); SimulateDiskFullAfter(0); },
         "the settings cannot be saved (No space left on device)", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(folder / "config");
        folder.MakeFolder("config/ezo");
        c.prepare();
        const std::string told = StoreValues();
        EXPECT_EQ(RegistrySaveFailed(), c.saveFailed);
        SimulateDiskFullAfter(std::nullopt);
        if (c.told.empty()) {
            EXPECT_EQ(told, "");
            continue;
        }
        const std::string start = "ezo: settings file " + file() + ": " + c.told;
        EXPECT_EQ(told.substr(0, start.size()), start) << told;
        EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << told;  // two failed changes, one line
    }
}

TEST_F(Registry, TemporariesOfWritesCutShortAreRemovedWhenTheFileIsRead) {
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(5);
    folder.MakeFolder("config/ezo");
    for (const char* name : {"registry.reg.tmp-a1B2c3", "registry.reg.tmp-fresh1", "registry.reg.tmp-toolong1",
                             "other.reg.tmp-a1B2c3"}) {
        folder.WriteFile(std::string("config/ezo/") + name, "partial");
        if (std::string(name) != "registry.reg.tmp-fresh1")
            std::filesystem::last_write_time(folder / ("config/ezo/" + std::string(name)), old);
    }
    StoreValues();
    // A write may still be filling the fresh one; the others are no temporaries of this file.
    EXPECT_EQ(FolderNames(), (std::vector<std::string>{"other.reg.tmp-a1B2c3", "registry.reg", "registry.reg.tmp-fresh1",
                                               "registry.reg.tmp-toolong1"}));
}

}  // namespace

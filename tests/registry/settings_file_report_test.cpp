// What the registry tells of its file: one line on standard error for a file
// set aside and for the first change it cannot save, a query for the
// latter, and the leftovers of cut-short writes removed.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "files/temp_folder.h"
#include "platform/registry/atomic_file.h"
#include "platform/registry/registry.h"

namespace {

using namespace registry;
namespace fs = std::filesystem;

class RegistryReport : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(folder / "ezo"); }
    void TearDown() override {
        SimulateDiskFullAfter(std::nullopt);
        SetRegistryFile("");
    }
    std::string file() const { return folder / "ezo/registry.reg"; }
    // Stores a value afresh from the file; what went to standard error.
    std::string StoreValue() {
        SetRegistryFile(file());
        testing::internal::CaptureStderr();
        RegKey key;
        const uint32_t value = 1;
        if (RegCreateKeyEx(HKEY_CURRENT_USER, u"Software\\Morvex\\Ezo", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                           key.out(), nullptr) == ERROR_SUCCESS) {
            RegSetValueEx(key.get(), u"Slide", 0, REG_DWORD, reinterpret_cast<const uint8_t*>(&value), 4);
            RegSetValueEx(key.get(), u"Other", 0, REG_DWORD, reinterpret_cast<const uint8_t*>(&value), 4);
        }
        return testing::internal::GetCapturedStderr();
    }
    testing_support::TempFolder folder;
};

TEST_F(RegistryReport, EachFileProblemIsOneLineNamingTheFile) {
    const std::string header = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Morvex\\Ezo]\n";
    // told: after "ezo: settings file <file>: "; empty for nothing told.
    struct { const char* what; std::function<void()> prepare; std::string told; bool saveFailed; } cases[] = {
        {"sound", [&] { folder.WriteFile("ezo/registry.reg", header + "\"Slide\"=dword:00000003\n"); }, "", false},
        {"damaged", [&] { folder.WriteFile("ezo/registry.reg", header + "\"Slide\"=dword:zz\n\"Key1\"=dword:1\n"); },
         "is damaged; kept as " + file() + ".damaged-", false},
        {"not a file", [&] { fs::create_directory(file()); },
         "is not a regular file; kept as " + file() + ".damaged-", false},
        {"disk full",
         [&] {
             folder.WriteFile("ezo/registry.reg", header);
             SimulateDiskFullAfter(0);
         },
         "the settings cannot be saved (No space left on device)", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(folder / "ezo");
        fs::create_directories(folder / "ezo");
        c.prepare();
        const std::string told = StoreValue();
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

TEST_F(RegistryReport, TemporariesOfWritesCutShortAreRemovedWhenTheFileIsRead) {
    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(5);
    for (const char* name : {"registry.reg.tmp-a1B2c3", "registry.reg.tmp-fresh1", "registry.reg.tmp-toolong1",
                             "other.reg.tmp-a1B2c3"}) {
        folder.WriteFile(std::string("ezo/") + name, "partial");
        if (std::string(name) != "registry.reg.tmp-fresh1") fs::last_write_time(folder / ("ezo/" + std::string(name)), old);
    }
    StoreValue();
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder / "ezo")) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    // A write may still be filling the fresh one; the others are no temporaries of this file.
    EXPECT_EQ(names, (std::vector<std::string>{"other.reg.tmp-a1B2c3", "registry.reg", "registry.reg.tmp-fresh1",
                                               "registry.reg.tmp-toolong1"}));
}

}  // namespace

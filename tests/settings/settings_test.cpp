#include "settings/settings.h"

#include <gtest/gtest.h>

#include <vector>

#include "files/temp_folder.h"
#include "platform/registry/registry.h"

namespace {

using testing_support::ReadWholeFile;
using testing_support::TempFolder;
using Keys = std::vector<int32_t>;

constexpr const char* kStoreStart =
    "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Morvex\\Ezo]\n";
const Keys kDefaultKeys{1, 0, 3, 2, 3};

std::string Dword(const char* name, uint32_t value) {
    char line[64];
    std::snprintf(line, sizeof line, "\"%s\"=dword:%08x\n", name, value);
    return line;
}

Keys KeysOf(const ezo::Settings& s) { return Keys(s.keyActions, s.keyActions + ezo::kKeyCount); }

class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override { registry::SetRegistryFile(file()); }
    void TearDown() override { registry::SetRegistryFile(""); }
    std::string file() const { return folder / "registry.reg"; }
    void WriteStore(const std::string& values) {
        folder.WriteFile("registry.reg", kStoreStart + values);
        registry::SetRegistryFile(file());
    }
    TempFolder folder;
};

TEST_F(SettingsStore, AFirstRunGivesTheDefaultsAndSavesThemInOrder) {
    ezo::Settings settings;
    ezo::LoadSettings(settings);
    EXPECT_EQ((Keys{settings.openMode, settings.slideSeconds, settings.slideEffect}),
              (Keys{ezo::OpenNothingLoaded, 3, ezo::NoEffect}));
    EXPECT_EQ(settings.latestFile, u"");
    EXPECT_EQ(KeysOf(settings), kDefaultKeys);

    ezo::SaveSettings(settings, u"\\My Documents\\");
    EXPECT_EQ(ReadWholeFile(file()), std::string(kStoreStart) + Dword("OpenMode", 0) +
                                         "\"OpenFile\"=\"\\\\My Documents\\\\\"\n" + Dword("refine", 1) +
                                         Dword("Key1", 1) + Dword("Key2", 0) + Dword("Key3", 3) +
                                         Dword("Key4", 2) + Dword("Key5", 3) + Dword("Slide", 3));
}

TEST_F(SettingsStore, LoadsWhatTheStoreHolds) {
    const auto openFile = [](const std::string& text) { return "\"OpenFile\"=\"\\\\" + text + "\"\n"; };
    const std::u16string fullPath = u"\\" + std::u16string(258, u'p');
    const struct { const char* name; std::string values; int32_t openMode, slideSeconds; std::u16string latest, selected; Keys keys; } cases[] = {
        {"refine without Key2 reads it as 0", Dword("refine", 1) + Dword("Key1", 3) + Dword("Key3", 2) +
             Dword("Key4", 1) + Dword("Key5", 0), 4, 3, u"", u"", {3, 0, 2, 1, 0}},
        {"keys without refine are ignored", Dword("refine", 0) + Dword("Key1", 3) + Dword("Key2", 3), 4, 3, u"", u"", kDefaultKeys},
        {"keys with a missing refine are ignored", Dword("Key1", 3), 4, 3, u"", u"", kDefaultKeys},
        {"a stored Slide of 0 reads as 3", Dword("Slide", 0), 4, 3, u"", u"", kDefaultKeys},
        {"no range test on Slide or keys", Dword("Slide", 100) + Dword("refine", 1) + Dword("Key1", 9) +
             Dword("Key2", 0xFFFFFFFF), 4, 100, u"", u"", {9, -1, 0, 0, 0}},
        {"OpenMode 7 loads as 4", Dword("OpenMode", 7) + openFile("Pics\\\\"), 4, 3, u"\\Pics\\", u"", kDefaultKeys},
        {"OpenMode 1 reads the latest file", Dword("OpenMode", 1) + openFile("a.jpg"), 1, 3, u"\\a.jpg", u"", kDefaultKeys},
        {"OpenMode 2 reads the selected file", Dword("OpenMode", 2) + openFile("b.jpg"), 2, 3, u"", u"\\b.jpg", kDefaultKeys},
        {"an OpenFile of 259 characters is read", Dword("OpenMode", 1) + openFile(std::string(258, 'p')), 1, 3, fullPath, u"", kDefaultKeys},
        {"an OpenFile of 300 characters is not read", Dword("OpenMode", 1) + openFile(std::string(299, 'p')), 1, 3, u"", u"", kDefaultKeys},
        {"a stored terminating zero is not part of the text",
         Dword("OpenMode", 1) + "\"OpenFile\"=hex(1):5c,00,61,00,00,00\n", 1, 3, u"\\a", u"", kDefaultKeys},
        {"values of the wrong type count as missing",
         "\"Slide\"=\"7\"\n\"OpenMode\"=hex(3):01,00,00,00\n\"OpenFile\"=dword:0000005c\n" + Dword("refine", 1) +
             "\"Key1\"=hex(4):02,00\n\"Key2\"=\"\"\n", 4, 3, u"", u"", {0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteStore(c.values);
        ezo::Settings settings;
        ezo::LoadSettings(settings);
        EXPECT_EQ((Keys{settings.openMode, settings.slideSeconds}), (Keys{c.openMode, c.slideSeconds}));
        EXPECT_EQ(settings.latestFile, c.latest);
        EXPECT_EQ(settings.selectedFile, c.selected);
        EXPECT_EQ(KeysOf(settings), c.keys);
    }
}

TEST_F(SettingsStore, SavesTheFileThatGoesWithTheStartOption) {
    const struct { int32_t openMode; int32_t storedMode; std::string storedFile; } cases[] = {
        {ezo::OpenLatestFile, 1, "\\\\latest.jpg"}, {ezo::OpenSelectedFile, 2, "\\\\selected.jpg"},
        {ezo::OpenNothing, 0, "\\\\Folder\\\\"},    {ezo::OpenNothingLoaded, 0, "\\\\Folder\\\\"},
        {7, 0, "\\\\Folder\\\\"},
    };
    for (const auto& c : cases) {
        ezo::Settings settings;
        settings.openMode = c.openMode;
        settings.latestFile = u"\\latest.jpg";
        settings.selectedFile = u"\\selected.jpg";
        ezo::SaveSettings(settings, u"\\Folder\\");
        const std::string text = ReadWholeFile(file());
        EXPECT_NE(text.find(Dword("OpenMode", c.storedMode)), std::string::npos) << c.openMode;
        EXPECT_NE(text.find("\"OpenFile\"=\"" + c.storedFile + "\"\n"), std::string::npos) << c.openMode;
    }
}

TEST_F(SettingsStore, MissingValuesAndAnUnreachableKeyGiveDefaults) {
    std::u16string buffer = u"old";
    EXPECT_EQ(ezo::ReadSettingString(u"OpenFile", u"\\default\\", buffer), 0);
    EXPECT_EQ(buffer, u"\\default\\");
    EXPECT_EQ(ezo::ReadSettingDword(u"Missing", -7), -7);

    // A key that cannot be created: nothing read or written, the built-in settings.
    folder.WriteFile("blocker", "");
    registry::SetRegistryFile(folder / "blocker/registry.reg");
    buffer = u"unchanged";
    EXPECT_EQ(ezo::ReadSettingDword(u"Slide", 42), 0);
    EXPECT_EQ(ezo::ReadSettingString(u"OpenFile", u"default", buffer), 0);
    EXPECT_EQ(buffer, u"unchanged");
    EXPECT_EQ(ezo::WriteSettingDword(u"Slide", 5), 0);
    EXPECT_EQ(ezo::WriteSettingString(u"OpenFile", u"x"), 0);
    ezo::Settings settings;
    settings.slideSeconds = 9;
    ezo::LoadSettings(settings);
    EXPECT_EQ((Keys{settings.openMode, settings.slideSeconds}), (Keys{ezo::OpenNothingLoaded, 3}));
    EXPECT_EQ(KeysOf(settings), kDefaultKeys);
}

}  // namespace

#include "scenario.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/entry.h"
#include "app/options.h"
#include "app/program_entry.h"
#include "demo/jpeg_writer.h"
#include "demo/scenes.h"
#include "files/temp_folder.h"
#include "platform/files/device_paths.h"
#include "platform/registry/registry.h"
#include "settings/settings.h"

namespace scenario {

namespace {

// Settings are read from $XDG_CONFIG_HOME at the next registry call.
void UseConfigFolder(const fs::path& config) {
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    registry::SetRegistryFile("");
}

}  // namespace

bool Dump::HasWindow(std::initializer_list<std::string> parts) const {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.find("window: ") == std::string::npos) continue;
        bool all = true;
        for (const std::string& part : parts) all = all && line.find(part) != std::string::npos;
        if (all) return true;
    }
    return false;
}

Dump ParseDump(const std::string& text) {
    Dump dump;
    dump.text = text;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == ' ') continue;
        const size_t colon = line.find(": ");
        const std::string key = line.substr(0, colon);
        const std::string value = colon == std::string::npos ? std::string() : line.substr(colon + 2);
        if (key == "row") dump.rows.push_back(value);
        else dump.values[key] = value;
    }
    return dump;
}

void ScenarioTest::SetUp() {
    const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
    folder_ = fs::temp_directory_path() / ("ezo_scenario_" + std::to_string(::getpid()) + "_" + name);
    fs::remove_all(folder_);
    root_ = folder_ / "root";
    for (const char* sub : {"root", "config", "cache"}) fs::create_directories(folder_ / sub);
    setenv("XDG_CACHE_HOME", (folder_ / "cache").c_str(), 1);
    files::SetThumbnailFolder((folder_ / "cache" / "ezo" / "Thumbnails").string());
    UseConfigFolder(folder_ / "config");
}

void ScenarioTest::TearDown() {
    registry::SetRegistryFile("");
    fs::remove_all(folder_);
}

void ScenarioTest::WritePicture(const std::string& relative, int width, int height, demo::Scene scene) {
    const std::vector<uint8_t> bytes = demo::EncodeJpeg(demo::Paint(scene, width, height));
    ASSERT_FALSE(bytes.empty()) << relative;
    WriteText(relative, std::string(bytes.begin(), bytes.end()));
}

void ScenarioTest::WriteText(const std::string& relative, const std::string& text) {
    const fs::path path = root_ / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

void ScenarioTest::StoreDword(const std::u16string& name, int32_t value) {
    UseConfigFolder(folder_ / "config");
    ASSERT_EQ(ezo::WriteSettingDword(name, value), 1);
}

void ScenarioTest::StoreString(const std::u16string& name, const std::u16string& value) {
    UseConfigFolder(folder_ / "config");
    ASSERT_EQ(ezo::WriteSettingString(name, value), 1);
}

int32_t ScenarioTest::StoredDword(const std::u16string& name) {
    UseConfigFolder(folder_ / "config");
    return ezo::ReadSettingDword(name, -12345);
}

std::u16string ScenarioTest::StoredString(const std::u16string& name) {
    UseConfigFolder(folder_ / "config");
    std::u16string text;
    ezo::ReadSettingString(name, u"<missing>", text);
    return text;
}

int ScenarioTest::Run(const std::string& script, const std::string& path) {
    std::ofstream(folder_ / "script.ezs") << script;
    UseConfigFolder(folder_ / "config");
    std::vector<std::string> args = {"--headless", "--scale", "1", "--root", root_.string(), "--script",
                                     (folder_ / "script.ezs").string()};
    // The settings folder $XDG_CONFIG_HOME points at, named so the run saves there.
    if (namedConfig_) args.insert(args.end(), {"--config", (folder_ / "config" / "ezo").string()});
    if (!path.empty()) args.push_back(path);
    const ezo::ParsedOptions parsed = ezo::ParseOptions(args);
    if (!parsed.options) return -1;
    const int code = ezo::RunProgram(*parsed.options, ezo::EzoMain);
    registry::SetRegistryFile("");  // what the run saved is read afresh
    return code;
}

Dump ScenarioTest::ReadDump(const std::string& name) const {
    return ParseDump(testing_support::ReadWholeFile(folder_ / name));
}

QImage ScenarioTest::ReadShot(const std::string& name) const {
    return QImage(QString::fromStdString((folder_ / name).string()));
}

}  // namespace scenario

#pragma once
// Scenario tests of the real program: RunProgram in process, headless, with a
// script, on a temporary device root, settings file and thumbnail folder.
// The program's state is read back from its dump, its screen from shots.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <QImage>

#include "demo/scenes.h"

namespace scenario {

namespace fs = std::filesystem;

// The dump's top-level "key: value" lines (the last of each key), the list's
// rows in order, and the whole text.
struct Dump {
    std::map<std::string, std::string> values;
    std::vector<std::string> rows;
    std::string text;
    std::string operator[](const std::string& key) const {
        auto found = values.find(key);
        return found == values.end() ? "<missing " + key + ">" : found->second;
    }
    // Whether a window line holding every part (e.g. "id=1000", "visible=1") exists.
    bool HasWindow(std::initializer_list<std::string> parts) const;
    // Whether the window or menu bar of that id shows.
    bool Shown(int id) const { return HasWindow({" id=" + std::to_string(id) + " ", "visible=1"}); }
};

Dump ParseDump(const std::string& text);

class ScenarioTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A JPEG file under the device root ('/' separated), painted with a scene.
    void WritePicture(const std::string& relative, int width, int height,
                      demo::Scene scene = demo::Scene::Shapes);
    void WriteText(const std::string& relative, const std::string& text);
    // Stored before the run, as a previous run would have left them.
    void StoreDword(const std::u16string& name, int32_t value);
    void StoreString(const std::u16string& name, const std::u16string& value);
    int32_t StoredDword(const std::u16string& name);
    std::u16string StoredString(const std::u16string& name);

    // Runs the program on the script with PATH (host path; empty: none).
    // Returns the exit code.
    int Run(const std::string& script, const std::string& path = {});
    Dump ReadDump(const std::string& name) const;
    QImage ReadShot(const std::string& name) const;

    fs::path folder_;
    fs::path root_;
    bool namedConfig_ = true;  // false: a run on the user's settings, which it must not change
};

}  // namespace scenario

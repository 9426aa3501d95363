#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int exitCode = -1;
    std::string out, err;
};

// Runs the real program with a private home, cache and settings folder.
class EzoProgram : public testing::Test {
protected:
    fs::path folder = fs::temp_directory_path() /
                      ("ezo_e2e_" + std::to_string(::getpid()) + "_" +
                       testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::path root = folder / "root";

    void SetUp() override {
        fs::create_directories(root / "My Documents");
        ASSERT_TRUE(fs::exists(Binary())) << "build the ezo target first: " << Binary();
    }
    void TearDown() override { fs::remove_all(folder); }

    static fs::path Binary() { return fs::path(EZO_BINARY_DIR) / "src/app/ezo"; }

    void WriteFile(const fs::path& path, const std::string& text) { std::ofstream(path) << text; }

    static std::string ReadFile(const fs::path& path) {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // A private home, cache, settings and runtime folder, and no display.
    QProcessEnvironment Environment() {
        const fs::path runtime = folder / "runtime";
        fs::create_directories(runtime);
        fs::permissions(runtime, fs::perms::owner_all, fs::perm_options::replace);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", QString::fromStdString(folder.string()));
        env.insert("XDG_CACHE_HOME", QString::fromStdString((folder / "cache").string()));
        env.insert("XDG_CONFIG_HOME", QString::fromStdString((folder / "config").string()));
        env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.string()));
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        return env;
    }

    Outcome Run(const QStringList& args) {
        QProcess process;
        process.setProcessEnvironment(Environment());
        process.start(QString::fromStdString(Binary().string()), args);
        Outcome outcome;
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << "ezo did not finish";
            return outcome;
        }
        outcome.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        outcome.out = process.readAllStandardOutput().toStdString();
        outcome.err = process.readAllStandardError().toStdString();
        return outcome;
    }

    QStringList Headless(const fs::path& script) {
        return {"--headless", "--script", QString::fromStdString(script.string()), "--root",
                QString::fromStdString(root.string())};
    }
};

TEST_F(EzoProgram, AScriptTapsWaitsAndWritesAShotAndADump) {
    const fs::path script = folder / "tour.ezs";
    WriteFile(script,
              "# a short visit\n"
              "tap 120 160\n"
              "wait 250\n"
              "shot out/screen.png\n"
              "dump out/state.txt\n"
              "quit\n");
    const Outcome outcome = Run(Headless(script));
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err;

    const QImage shot(QString::fromStdString((folder / "out/screen.png").string()));
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.size(), QSize(240, 320));
    // The 26-pixel task bar on top is drawn, in another colour than the window below.
    EXPECT_NE(shot.pixel(120, 13), shot.pixel(120, 40));
    EXPECT_EQ(shot.pixel(60, 2), shot.pixel(160, 24));

    // The device's lines, then the viewer's own.
    const std::string state = ReadFile(folder / "out/state.txt");
    for (const char* key : {"\nwindow: class=Ezo ", "\nactive: \"Ezo\"\n", "\ntaskbar: shown\n", "\nbrowseMode: 1\n",
                            "\ntitle: Ezo\n", "\nsplit: 77\n"}) {
        EXPECT_NE(("\n" + state).find(key), std::string::npos) << key << " in\n" << state;
    }
}

// The tour of the demo device: every step runs, and the shots and dumps it
// names are written. What they show is checked by the scenario tests.
TEST_F(EzoProgram, TheDemoTourRunsOnTheDemoDevice) {
    const fs::path device = fs::path(EZO_BINARY_DIR) / "demo-device";
    ASSERT_TRUE(fs::exists(device / "My Documents/Pictures")) << "build the demo_device target first";
    QStringList args = {"--headless", "--script", QString::fromStdString((fs::path(EZO_SOURCE_DIR) / "demo/tour.ezs").string()),
                        "--output", QString::fromStdString((folder / "tour").string()),
                        "--root", QString::fromStdString(device.string()),
                        QString::fromStdString((device / "My Documents/Pictures").string())};
    const Outcome outcome = Run(args);
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
    for (const char* name : {"01-list.png", "03-view.png", "07-full.png", "11-slide-2.png", "13-split.png"}) {
        EXPECT_TRUE(fs::exists(folder / "tour" / name)) << name;
    }
    const std::string state = ReadFile(folder / "tour/13-split.txt");
    EXPECT_NE(state.find("\nslideShowRunning: 0\n"), std::string::npos) << state;
    EXPECT_NE(state.find("\nbrowseMode: "), std::string::npos) << state;
}

TEST_F(EzoProgram, ExitCodesAndTheFirstLineSaid) {
    WriteFile(folder / "bad.ezs", "tap 1 2\nshot x.png\nwiat 5\n");
    struct Case {
        QStringList args;
        int exitCode;
        std::string start;  // of the standard output after a success, else of the errors
    };
    const std::string bad = (folder / "bad.ezs").string();
    const Case cases[] = {
        {Headless(folder / "bad.ezs"), 2, bad + ":3: unknown command 'wiat'"},
        {Headless(folder / "missing.ezs"), 2, (folder / "missing.ezs").string() + ": cannot read the script"},
        {{"--frobnicate"}, 2, "ezo: unknown option '--frobnicate'"},
        {{"--headless", "--root", "/nonexistent/ezo/root"}, 2, "ezo: --root: '/nonexistent/ezo/root' is not a folder"},
        {{"--headless", QString::fromStdString((folder / "nowhere.jpg").string())},
         2,
         "ezo: '" + (folder / "nowhere.jpg").string() + "' does not exist"},
        {{}, 1, "ezo: there is no display"},
        {{"--help"}, 0, "Usage: ezo"},
        {{"--version"}, 0, "ezo "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const Outcome outcome = Run(c.args);
        EXPECT_EQ(outcome.exitCode, c.exitCode);
        const std::string& said = c.exitCode == 0 ? outcome.out : outcome.err;
        EXPECT_EQ(said.rfind(c.start, 0), 0u) << said;
    }
    // Nothing ran before the bad line was found.
    EXPECT_FALSE(fs::exists(folder / "x.png"));
}

}  // namespace

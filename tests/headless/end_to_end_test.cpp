// The real program as a process: the tour, failed starts, endless stdin, a scale too large.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>

#include <filesystem>
#include <fstream>
#include <functional>

#include "files/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ReadWholeFile;

struct Outcome {
    int exitCode = -1;
    std::string out, err;
};

// Runs the program with private home, cache, settings and runtime folders, no display.
class EzoProgram : public testing::Test {
protected:
    testing_support::TempFolder temp;
    fs::path folder = temp.path();
    fs::path root = folder / "root";

    void SetUp() override {
        fs::create_directories(root / "My Documents");
        fs::create_directories(folder / "runtime");
        fs::permissions(folder / "runtime", fs::perms::owner_all, fs::perm_options::replace);
        ASSERT_TRUE(fs::exists(Binary())) << "build the ezo target first: " << Binary();
    }

    static fs::path Binary() { return fs::path(EZO_BINARY_DIR) / "src/app/ezo"; }
    static QString Q(const fs::path& path) { return QString::fromStdString(path.string()); }

    // prepare may change the environment and the process before it starts; untilFirstError
    // ends a window that waits for its user once it wrote an error or after three seconds.
    Outcome Run(const QStringList& args, const std::function<void(QProcessEnvironment&, QProcess&)>& prepare = {},
                bool untilFirstError = false) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", Q(folder));
        env.insert("XDG_CACHE_HOME", Q(folder / "cache"));
        env.insert("XDG_CONFIG_HOME", Q(folder / "config"));
        env.insert("XDG_RUNTIME_DIR", Q(folder / "runtime"));
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR"}) env.remove(name);
        QProcess process;
        if (prepare) prepare(env, process);
        process.setProcessEnvironment(env);
        process.start(Q(Binary()), args);
        Outcome outcome;
        if (untilFirstError) {
            process.setReadChannel(QProcess::StandardError);
            process.waitForReadyRead(3000);
            process.kill();
        }
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

    QStringList Headless(const fs::path& script) { return {"--headless", "--script", Q(script), "--root", Q(root)}; }
};

// The tour runs and writes its shots and dumps (what they show: the scenario tests).
TEST_F(EzoProgram, TheDemoTourRunsOnTheDemoDevice) {
    const fs::path device = fs::path(EZO_BINARY_DIR) / "demo-device";
    ASSERT_TRUE(fs::exists(device / "My Documents/Pictures")) << "build the demo_device target first";
    const Outcome outcome = Run({"--headless", "--script", Q(fs::path(EZO_SOURCE_DIR) / "demo/tour.ezs"), "--output",
                                 Q(folder / "tour"), "--root", Q(device), Q(device / "My Documents/Pictures")});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
    for (const char* name : {"01-list.png", "03-view.png", "07-full.png", "11-slide-2.png", "13-split.png"}) {
        EXPECT_TRUE(fs::exists(folder / "tour" / name)) << name;
    }
    const QImage shot(Q(folder / "tour/01-list.png"));
    ASSERT_EQ(shot.size(), QSize(240, 320));
    EXPECT_NE(shot.pixel(120, 13), shot.pixel(120, 40));  // the 26-pixel task bar over the window
    // The device's lines, then the viewer's own.
    const std::string state = "\n" + ReadWholeFile(folder / "tour/02-sorted.txt");
    for (const char* line : {"\nwindow: class=Ezo ", "\nactive: \"Ezo\"\n", "\ntaskbar: shown\n", "\nbrowseMode: 1\n",
                             "\nsplit: 77\n"}) {
        EXPECT_NE(state.find(line), std::string::npos) << line << " in" << state;
    }
    EXPECT_NE(ReadWholeFile(folder / "tour/13-split.txt").find("\nslideShowRunning: 0\n"), std::string::npos);
}

TEST_F(EzoProgram, ExitCodesAndTheFirstLineSaid) {
    std::ofstream(folder / "bad.ezs") << "tap 1 2\nshot x.png\nwiat 5\n";
    // start: of the standard output after a success, else of the errors.
    struct Case { QStringList args; int exitCode; std::string start; };
    const std::string bad = (folder / "bad.ezs").string();
    const Case cases[] = {
        {Headless(folder / "bad.ezs"), 2, bad + ":3: unknown command 'wiat'"},
        {Headless(folder / "missing.ezs"), 2, (folder / "missing.ezs").string() + ": cannot read the script"},
        {{"--headless", "--root", "/nonexistent/ezo/root"}, 2, "ezo: --root: '/nonexistent/ezo/root' is not a folder"},
        {{"--headless", Q(folder / "nowhere.jpg")}, 2, "ezo: '" + (folder / "nowhere.jpg").string() + "' does not exist"},
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
    EXPECT_FALSE(fs::exists(folder / "x.png"));  // nothing ran before the bad line was found
}

// Endless input without a line end stops at the limit, soon, without filling the memory.
TEST_F(EzoProgram, EndlessInputWithoutALineEndStopsAtTheLimit) {
    auto endless = [](QProcessEnvironment&, QProcess& p) { p.setStandardInputFile("/dev/zero"); };
    const Outcome outcome = Run({"--headless", "--root", Q(root)}, endless);
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_NE(outcome.err.find("<stdin>:1: line is longer than 16 MiB"), std::string::npos) << outcome.err;
    rusage children{};
    ::getrusage(RUSAGE_CHILDREN, &children);
    EXPECT_LT(children.ru_maxrss, 1 << 20) << "KiB at the peak";  // 1 GiB
}

// On a 1024 x 768 desktop (Qt's offscreen platform) a scale too large for it is warned of.
TEST_F(EzoProgram, AScaleThatPutsTheScreenOffTheDesktopIsWarnedOf) {
    std::ofstream(folder / "desktop.json")
        << R"({"screens": [{"name": "desk", "x": 0, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96}]})";
    auto onDesktop = [&](QProcessEnvironment& env, QProcess&) {
        env.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + Q(folder / "desktop.json"));
    };
    const std::string tooLarge = Run({"--root", Q(root), "--scale", "3"}, onDesktop, true).err;
    const std::string fitting = Run({"--root", Q(root), "--scale", "2"}, onDesktop, true).err;
    EXPECT_NE(tooLarge.find("ezo: at scale 3 the screen takes 720 x 960 desktop pixels; the desktop has 1024 x 768"),
              std::string::npos)
        << tooLarge;
    EXPECT_EQ(fitting.find("at scale"), std::string::npos) << fitting;
}

}  // namespace

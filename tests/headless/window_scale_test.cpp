// The real window on a desktop of known size (Qt's offscreen platform with
// one 1024 x 768 screen): a scale that puts the screen off the desktop is
// warned of; one that fits is not.
#include <gtest/gtest.h>

#include <QProcess>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// What the program wrote on standard error in its first seconds.
std::string StartWindow(const fs::path& folder, const QStringList& args) {
    fs::create_directories(folder / "root");
    fs::create_directories(folder / "runtime");
    fs::permissions(folder / "runtime", fs::perms::owner_all, fs::perm_options::replace);
    std::ofstream(folder / "desktop.json")
        << R"({"screens": [{"name": "desk", "x": 0, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96}]})";
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", QString::fromStdString("offscreen:configfile=" + (folder / "desktop.json").string()));
    env.insert("XDG_CONFIG_HOME", QString::fromStdString((folder / "config").string()));
    env.insert("XDG_CACHE_HOME", QString::fromStdString((folder / "cache").string()));
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString((folder / "runtime").string()));
    env.remove("QT_SCALE_FACTOR");
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QString::fromStdString((fs::path(EZO_BINARY_DIR) / "src/app/ezo").string()),
                  QStringList{"--root", QString::fromStdString((folder / "root").string())} + args);
    // The window waits for its user: a warning comes before it opens; end it
    // once one came or after a while.
    process.setReadChannel(QProcess::StandardError);
    process.waitForReadyRead(3000);
    process.kill();
    process.waitForFinished();
    return process.readAllStandardError().toStdString();
}

TEST(WindowScale, AScaleThatPutsTheScreenOffTheDesktopIsWarnedOf) {
    const fs::path folder = fs::temp_directory_path() / ("ezo_scale_" + std::to_string(::getpid()));
    const std::string tooLarge = StartWindow(folder, {"--scale", "3"});
    const std::string fitting = StartWindow(folder, {"--scale", "2"});
    fs::remove_all(folder);
    EXPECT_NE(tooLarge.find("ezo: at scale 3 the screen takes 720 x 960 desktop pixels; the desktop has 1024 x 768"),
              std::string::npos)
        << tooLarge;
    EXPECT_EQ(fitting.find("at scale"), std::string::npos) << fitting;
}

}  // namespace

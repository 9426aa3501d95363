// One running program: the single-instance guard in process, the lines on its
// socket, and real later starts of ezo handing their PATH to the first.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <memory>

#include "jpeg_writer/jpeg_writer.h"
#include "platform/device/instance_messages.h"
#include "platform/device/single_instance.h"
#include "timers/qt_app.h"

namespace desktop_test {
namespace {

using device::SingleInstance;

// Leaves a bound Unix socket file with nobody listening, as a crash does.
void LeaveStaleSocket(const QString& path) {
    int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    QByteArray bytes = QFile::encodeName(path);
    std::memcpy(address.sun_path, bytes.constData(), std::min<size_t>(bytes.size(), sizeof(address.sun_path) - 1));
    EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
}

class SingleInstanceTest : public ::testing::Test {
protected:
    SingleInstanceTest() { testing_support::App(); }
    QTemporaryDir dir;
    const QString path = dir.filePath("ezo.sock");
};

// With no socket possible the program still runs, alone.
TEST_F(SingleInstanceTest, NobodyAnsweringMakesThisThePrimary) {
    const struct { const char* name; void (*prepare)(const QString& path); const char* at; bool listens; } cases[] = {
        {"nothing there", [](const QString&) {}, "ezo.sock", true},
        {"a socket left by a crash", LeaveStaleSocket, "ezo.sock", true},
        {"a primary that has ended", [](const QString& p) { SingleInstance(p).tryBecomePrimary(); }, "ezo.sock", true},
        {"no socket possible", [](const QString&) {}, "missing/ezo.sock", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.prepare(path);
        SingleInstance guard(dir.filePath(c.at));
        EXPECT_TRUE(guard.tryBecomePrimary());
        EXPECT_EQ(guard.isListening(), c.listens);
    }
}

// Other talk on the socket does not activate, nor stop a later start from doing so.
TEST_F(SingleInstanceTest, LaterStartsBringTheFirstToTheFront) {
    SingleInstance first(path);
    int activations = 0;
    first.setOnActivateRequest([&] { ++activations; });
    ASSERT_TRUE(first.tryBecomePrimary());
    for (QByteArray junk : {QByteArray("hello\n"), QByteArray("activate"), QByteArray(4096, 'x')}) {
        QLocalSocket peer;
        peer.connectToServer(path);
        ASSERT_TRUE(peer.waitForConnected(1000));
        peer.write(junk);
        peer.waitForBytesWritten(1000);
        testing_support::ProcessEventsUntil([] { return false; }, 50);
    }
    testing_support::ProcessEventsUntil([] { return false; }, 50);
    EXPECT_EQ(activations, 0);
    for (int n = 1; n <= 2; ++n) {
        SingleInstance later(path);
        EXPECT_FALSE(later.tryBecomePrimary());
        EXPECT_FALSE(later.isListening());
        EXPECT_TRUE(testing_support::ProcessEventsUntil([&] { return activations == n; }));
    }
}

// Runs with other settings folders (tests with a temporary home) never meet
// the user's own.
TEST(SingleInstanceName, FollowsTheSettingsFolder) {
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    auto nameFor = [](const char* config) {
        qputenv("XDG_CONFIG_HOME", config);
        return SingleInstance::DefaultName();
    };
    const QString one = nameFor("/tmp/ezo-one"), oneAgain = nameFor("/tmp/ezo-one/"), two = nameFor("/tmp/ezo-two");
    saved.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", saved);
    EXPECT_EQ(one, oneAgain);
    EXPECT_NE(one, two);
    EXPECT_TRUE(one.contains(QString::number(getuid())));
}

// Sends sig (0: none) and waits 10 s: the exit code, -1 unless it exited normally.
int Stop(QProcess& process, int sig) {
    if (sig) ::kill(pid_t(process.processId()), sig);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// The real ezo binary run as separate processes on Qt's offscreen platform,
// with its settings, cache, socket and device root in one temporary folder.
class EzoHome {
public:
    EzoHome() {
        testing_support::App();
        for (const char* folder : {"config", "cache", "runtime", "root"}) QDir(dir_.path()).mkpath(folder);
        QFile::setPermissions(path("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString path(const QString& relative) const { return dir_.filePath(relative); }
    QString root() const { return path("root"); }
    // Writes a small JPEG at root/relative.
    void Picture(const QString& relative) const {
        const QString file = QDir(root()).filePath(relative);
        QDir().mkpath(QFileInfo(file).path());
        jpeg_writer::Write(file.toStdString(), {.width = 64, .height = 48}, [](int y, uint8_t* row) {
            for (int x = 0; x < 64 * 3; ++x) row[x] = uint8_t(x + y * 4);
        });
    }
    // Starts ezo with args in cwd (default: the home); stderr kept apart.
    std::unique_ptr<QProcess> Start(const QStringList& args, const QString& cwd = {}) const {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", path("config"));
        env.insert("XDG_CACHE_HOME", path("cache"));
        env.insert("XDG_RUNTIME_DIR", path("runtime"));
        env.remove("EZO_DEBUG");
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(cwd.isEmpty() ? dir_.path() : cwd);
        process->start(EZO_BINARY_DIR "/src/app/ezo", args);
        process->waitForStarted();
        return process;
    }
    // Runs ezo to its end (10 s at most): its exit code, -1 when it did not end.
    int Run(const QStringList& args, const QString& cwd = {}, QByteArray* errors = nullptr) const {
        auto process = Start(args, cwd);
        const int code = Stop(*process, 0);
        if (errors) *errors = process->readAllStandardError();
        return code;
    }
    // The socket a running primary listens on; empty until it does.
    QString Socket() const {
        for (const QString& name : QDir(path("runtime")).entryList({"ezo-*"}, QDir::System | QDir::Files))
            if (!name.endsWith(".lock")) return path("runtime/" + name);
        return {};
    }
    bool WaitForSocket() const {
        QDeadlineTimer deadline(10000);
        while (Socket().isEmpty() && !deadline.hasExpired()) QThread::msleep(20);
        return !Socket().isEmpty();
    }
    // The stored folder or file ("OpenFile") as the settings file holds it.
    QString StoredOpenFile() const {
        QFile file(path("config/ezo/registry.reg"));
        if (!file.open(QIODevice::ReadOnly)) return "(no settings file)";
        static const QRegularExpression openFile("^\"OpenFile\"=\"(.*)\"$", QRegularExpression::MultilineOption);
        const QRegularExpressionMatch match = openFile.match(QString::fromUtf8(file.readAll()));
        return match.hasMatch() ? match.captured(1).replace("\\\\", "\\") : "(no OpenFile)";
    }

private:
    QTemporaryDir dir_;
};

// A running first start on root/first/a.jpg, with other/b.jpg beside it.
class SecondStart : public ::testing::Test {
protected:
    SecondStart() {
        for (const char* picture : {"first/a.jpg", "other/b.jpg", "other/deeper/c.jpg"}) home.Picture(picture);
        QDir().mkpath(home.path("outside"));
    }
    void StartFirst() {
        first = home.Start({"--root", home.root(), home.root() + "/first/a.jpg"});
        ASSERT_TRUE(home.WaitForSocket()) << first->readAllStandardError().toStdString();
    }
    // Ends the first start by sig: it exits 0 having printed nothing.
    void StopFirst(int sig = SIGTERM) {
        EXPECT_EQ(Stop(*first, sig), 0);
        EXPECT_EQ(first->readAllStandardError().toStdString(), "");
    }

    EzoHome home;
    std::unique_ptr<QProcess> first;
};

TEST_F(SecondStart, ShowsTheHandedPathOrRefusesIt) {
    const struct {
        const char* name;
        QStringList args;
        const char* cwd;  // relative to root; empty: the temporary home
        int exitCode;
        const char* shown;  // the folder the first shows at its exit
        int stop;  // the signal that ends the first
    } cases[] = {
        {"a picture", {"root/other/b.jpg"}, "", 0, "\\other\\", SIGTERM},
        {"a picture relative to another folder", {"deeper/c.jpg"}, "other", 0, "\\other\\deeper\\", SIGINT},
        {"a folder", {"root/other"}, "", 0, "\\other\\", SIGHUP},
        {"no path: only the front", {}, "", 0, "\\first\\", SIGTERM},
        {"a path that does not exist", {"root/missing.jpg"}, "", 2, "\\first\\", SIGINT},
        {"a folder outside the device root", {"outside"}, "", 2, "\\first\\", SIGHUP},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(home.path("config/ezo/registry.reg"));
        StartFirst();
        const QString cwd = *c.cwd ? home.root() + "/" + c.cwd : QString();
        QByteArray errors;
        EXPECT_EQ(home.Run(c.args, cwd, &errors), c.exitCode);
        EXPECT_EQ(errors.isEmpty(), c.exitCode == 0) << errors.toStdString();
        QThread::msleep(300);  // the first shows the path on its next turn
        EXPECT_EQ(first->state(), QProcess::Running);
        StopFirst(c.stop);
        EXPECT_EQ(home.StoredOpenFile().toStdString(), c.shown);
    }
}

// Whatever else reaches the socket is dropped; a real later start still gets through.
TEST_F(SecondStart, BadPeersAreDroppedAndTheNextStartGetsThrough) {
    StartFirst();
    std::vector<std::unique_ptr<QLocalSocket>> peers;
    for (const QByteArray& bytes : {QByteArray("hello\n"), QByteArray("open relative/path\n"),
                                    "open /" + QByteArray(10 * 1024 * 1024, 'x'), QByteArray()}) {
        auto peer = std::make_unique<QLocalSocket>();
        peer->connectToServer(home.Socket());
        ASSERT_TRUE(peer->waitForConnected(2000));
        peer->write(bytes);
        peer->waitForBytesWritten(200);
        peers.push_back(std::move(peer));  // the silent one stays connected
    }
    EXPECT_EQ(home.Run({"root/other"}), 0);
    QThread::msleep(300);
    StopFirst();
    EXPECT_EQ(home.StoredOpenFile().toStdString(), "\\other\\");
}

// Two starts at once: one window, and the other's path is shown in it.
TEST_F(SecondStart, TwoStartsAtOnceMakeOneProgram) {
    auto one = home.Start({"--root", home.root(), home.root() + "/first"});
    auto two = home.Start({"--root", home.root(), home.root() + "/other"});
    QDeadlineTimer deadline(8000);
    bool oneEnded = false, twoEnded = false;
    while (!oneEnded && !twoEnded && !deadline.hasExpired()) {
        oneEnded = one->waitForFinished(10);
        twoEnded = !oneEnded && two->waitForFinished(10);
    }
    ASSERT_TRUE(oneEnded || twoEnded);
    QProcess& ended = oneEnded ? *one : *two;
    QProcess& running = oneEnded ? *two : *one;
    EXPECT_EQ(ended.exitCode(), 0);
    EXPECT_FALSE(running.waitForFinished(300));
    EXPECT_EQ(Stop(running, SIGTERM), 0);
    EXPECT_EQ(home.StoredOpenFile().toStdString(), oneEnded ? "\\first\\" : "\\other\\");
}

TEST(InstanceMessages, AnyPathMakesTheTripOnOneLine) {
    for (std::string path : {"/a.jpg", "/My Pictures/100% \"cat\".jpg", "/line\nbreak/x.gif", "/ü/日本.bmp", ""}) {
        SCOPED_TRACE(path);
        std::string line = device::EncodeInstanceRequest(path);
        ASSERT_EQ(line.find('\n'), line.size() - 1);
        line.pop_back();
        const std::optional<device::InstanceRequest> request = device::DecodeInstanceRequest(line);
        ASSERT_TRUE(request);
        EXPECT_EQ(request->path, path);
    }
}

TEST(InstanceMessages, OnlyWhatAStartSendsIsARequest) {
    for (const std::string& line : std::initializer_list<std::string>{"", "hello", "activate now", "open ", "open relative.jpg", "open /a%00b.jpg",
                             "open " + std::string(device::kLongestInstanceLine, '/')}) {
        EXPECT_FALSE(device::DecodeInstanceRequest(line)) << line.substr(0, 40);
    }
}

TEST(InstanceMessages, AnswersKeepTheirLine) {
    EXPECT_EQ(device::DecodeInstanceAnswer("ok"), "");
    std::string refused = device::EncodeInstanceAnswer("outside\nthe root");
    ASSERT_EQ(refused.back(), '\n');
    refused.pop_back();
    EXPECT_EQ(device::DecodeInstanceAnswer(refused), "outside the root");
    EXPECT_FALSE(device::DecodeInstanceAnswer("refused "));
    EXPECT_FALSE(device::DecodeInstanceAnswer("garbage"));
}

}  // namespace
}  // namespace desktop_test

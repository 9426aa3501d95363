// Two processes: a later `ezo [PATH]` hands its PATH to the running program,
// which shows it (the folder it shows is what the settings keep at exit), or
// is refused without disturbing it; signals end the program with its
// settings saved; nothing is printed on the way.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QThread>

#include <csignal>

#include "desktop/ezo_process.h"

namespace desktop_test {
namespace {

// A running first start on root/first/a.jpg, with other/b.jpg beside it.
class SecondStart : public ::testing::Test {
protected:
    SecondStart() {
        home.Picture("first/a.jpg");
        home.Picture("other/b.jpg");
        home.Picture("other/deeper/c.jpg");
        QDir().mkpath(home.path("outside"));
    }
    void StartFirst() {
        first = home.Start({"--root", home.root(), home.root() + "/first/a.jpg"});
        ASSERT_TRUE(home.WaitForSocket()) << first->readAllStandardError().toStdString();
    }
    // Ends the first start by SIGTERM: it exits 0 having printed nothing.
    void StopFirst() {
        EXPECT_EQ(Stop(*first, SIGTERM), 0);
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
    } cases[] = {
        {"a picture", {"root/other/b.jpg"}, "", 0, "\\other\\"},
        {"a picture relative to another folder", {"deeper/c.jpg"}, "other", 0, "\\other\\deeper\\"},
        {"a folder", {"root/other"}, "", 0, "\\other\\"},
        {"no path: only the front", {}, "", 0, "\\first\\"},
        {"a path that does not exist", {"root/missing.jpg"}, "", 2, "\\first\\"},
        {"a folder outside the device root", {"outside"}, "", 2, "\\first\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StartFirst();
        const QString cwd = *c.cwd ? home.root() + "/" + c.cwd : QString();
        QByteArray errors;
        EXPECT_EQ(home.Run(c.args, cwd, &errors), c.exitCode);
        EXPECT_EQ(errors.isEmpty(), c.exitCode == 0) << errors.toStdString();
        QThread::msleep(300);  // the first shows the path on its next turn
        EXPECT_EQ(first->state(), QProcess::Running);
        StopFirst();
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

TEST_F(SecondStart, SignalsSaveTheSettingsAndExitZero) {
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(sig);
        QFile::remove(home.path("config/ezo/registry.reg"));
        StartFirst();
        EXPECT_EQ(Stop(*first, sig), 0);
        EXPECT_EQ(home.StoredOpenFile().toStdString(), "\\first\\");
    }
}

}  // namespace
}  // namespace desktop_test

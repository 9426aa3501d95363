// One running program: a later start hands over to the first; a socket left
// by a crash or by an ended run does not block; junk on the socket is ignored.
#include "platform/device/single_instance.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include "timers/qt_app.h"

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

TEST_F(SingleInstanceTest, NobodyAnsweringMakesThisThePrimary) {
    const struct { const char* name; void (*prepare)(const QString& path); } cases[] = {
        {"nothing there", [](const QString&) {}},
        {"a socket left by a crash", LeaveStaleSocket},
        {"a primary that has ended", [](const QString& p) { SingleInstance(p).tryBecomePrimary(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.prepare(path);
        SingleInstance guard(path);
        EXPECT_TRUE(guard.tryBecomePrimary());
        EXPECT_TRUE(guard.isListening());
    }
}

TEST_F(SingleInstanceTest, NoSocketPossibleStillRuns) {
    SingleInstance guard(dir.filePath("missing/ezo.sock"));
    EXPECT_TRUE(guard.tryBecomePrimary());
    EXPECT_FALSE(guard.isListening());
}

TEST_F(SingleInstanceTest, LaterStartsBringTheFirstToTheFront) {
    SingleInstance first(path);
    int activations = 0;
    first.setOnActivateRequest([&] { ++activations; });
    ASSERT_TRUE(first.tryBecomePrimary());
    for (int n = 1; n <= 2; ++n) {
        SingleInstance later(path);
        EXPECT_FALSE(later.tryBecomePrimary());
        EXPECT_FALSE(later.isListening());
        EXPECT_TRUE(testing_support::ProcessEventsUntil([&] { return activations == n; }));
    }
}

TEST_F(SingleInstanceTest, OtherTalkOnTheSocketDoesNotActivate) {
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

}  // namespace

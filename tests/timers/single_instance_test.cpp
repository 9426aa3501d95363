// One running program: a later start hands over to the first, a socket left
// by a crash does not block, junk on the socket is ignored.
#include "platform/device/single_instance.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <functional>

#include "timers/qt_app.h"

namespace {

using device::SingleInstance;

// Leaves a bound Unix socket file with nobody listening, as a crash does.
void LeaveStaleSocket(const QString& path) {
    int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    QByteArray bytes = QFile::encodeName(path);
    ASSERT_LT(static_cast<size_t>(bytes.size()), sizeof(address.sun_path));
    std::memcpy(address.sun_path, bytes.constData(), bytes.size());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
    ASSERT_TRUE(QFileInfo::exists(path));
}

class SingleInstanceTest : public ::testing::Test {
protected:
    SingleInstanceTest() { testing_support::App(); }
    QString socketPath() const { return dir.filePath("ezo.sock"); }
    QTemporaryDir dir;
};

TEST_F(SingleInstanceTest, WhatIsFoundAtTheSocket) {
    struct Case {
        const char* name;
        std::function<void(const QString&)> prepare;
        bool primary;
        bool listening;
    };
    const Case cases[] = {
        {"nothing: the first start", [](const QString&) {}, true, true},
        {"a socket left by a crash", [](const QString& p) { LeaveStaleSocket(p); }, true, true},
        {"a plain file in its place",
         [](const QString& p) {
             QFile f(p);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
         },
         true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(socketPath());
        c.prepare(socketPath());
        SingleInstance guard(socketPath());
        EXPECT_EQ(guard.tryBecomePrimary(), c.primary);
        EXPECT_EQ(guard.isListening(), c.listening);
    }
}

TEST_F(SingleInstanceTest, NoSocketPossibleStillRuns) {
    SingleInstance guard(dir.filePath("missing/folder/ezo.sock"));
    EXPECT_TRUE(guard.tryBecomePrimary());
    EXPECT_FALSE(guard.isListening());
}

TEST_F(SingleInstanceTest, SecondStartBringsTheFirstToTheFront) {
    SingleInstance first(socketPath());
    int activations = 0;
    first.setOnActivateRequest([&] { ++activations; });
    ASSERT_TRUE(first.tryBecomePrimary());

    SingleInstance second(socketPath());
    EXPECT_FALSE(second.tryBecomePrimary());
    EXPECT_FALSE(second.isListening());
    EXPECT_TRUE(testing_support::ProcessEventsUntil([&] { return activations == 1; }));

    SingleInstance third(socketPath());
    EXPECT_FALSE(third.tryBecomePrimary());
    EXPECT_TRUE(testing_support::ProcessEventsUntil([&] { return activations == 2; }));
}

TEST_F(SingleInstanceTest, EndedPrimaryLeavesTheWayFree) {
    {
        SingleInstance first(socketPath());
        ASSERT_TRUE(first.tryBecomePrimary());
    }
    EXPECT_FALSE(QFileInfo::exists(socketPath()));
    SingleInstance next(socketPath());
    EXPECT_TRUE(next.tryBecomePrimary());
    EXPECT_TRUE(next.isListening());
}

TEST_F(SingleInstanceTest, OtherTalkOnTheSocketDoesNotActivate) {
    SingleInstance first(socketPath());
    int activations = 0;
    first.setOnActivateRequest([&] { ++activations; });
    ASSERT_TRUE(first.tryBecomePrimary());

    for (QByteArray junk : {QByteArray("hello\n"), QByteArray("activate"), QByteArray(4096, 'x')}) {
        QLocalSocket peer;
        peer.connectToServer(socketPath());
        ASSERT_TRUE(peer.waitForConnected(1000));
        peer.write(junk);
        peer.waitForBytesWritten(1000);
        testing_support::ProcessEventsUntil([] { return false; }, 50);
        peer.disconnectFromServer();
    }
    testing_support::ProcessEventsUntil([] { return false; }, 50);
    EXPECT_EQ(activations, 0);
}

TEST(SingleInstanceName, FollowsTheSettingsFolder) {
    QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/tmp/ezo-one");
    QString one = SingleInstance::DefaultName();
    qputenv("XDG_CONFIG_HOME", "/tmp/ezo-one/");
    QString oneAgain = SingleInstance::DefaultName();
    qputenv("XDG_CONFIG_HOME", "/tmp/ezo-two");
    QString two = SingleInstance::DefaultName();
    if (saved.isNull()) {
        qunsetenv("XDG_CONFIG_HOME");
    } else {
        qputenv("XDG_CONFIG_HOME", saved);
    }
    EXPECT_EQ(one, oneAgain);
    EXPECT_NE(one, two);
    EXPECT_TRUE(one.contains(QString::number(getuid())));
}

}  // namespace

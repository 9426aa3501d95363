#include "platform/device/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTimer>

#include <cerrno>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/device/instance_client.h"
#include "platform/device/instance_messages.h"

namespace device {
namespace {

constexpr auto kRetryPause = std::chrono::milliseconds(20);

QString SettingsFolder() {
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty()) config = QDir::homePath() + "/.config";
    return QDir::cleanPath(QDir(config).absoluteFilePath("ezo"));
}

bool SameFile(int fd, const QByteArray& path) {
    struct stat opened = {}, named = {};
    return ::fstat(fd, &opened) == 0 && ::stat(path.constData(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

}  // namespace

SingleInstance::SingleInstance(QString name) : name_(std::move(name)) {}

SingleInstance::~SingleInstance() {
    // Closing a listening server removes its socket file.
    if (server_) server_->close();
    releaseLock();
}

QString SingleInstance::DefaultName() {
    QByteArray hash = QCryptographicHash::hash(SettingsFolder().toUtf8(), QCryptographicHash::Sha256);
    QString file = QStringLiteral("ezo-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash.toHex().left(16)));
    // The runtime folder is the user's own; the temporary folder is shared.
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) return QDir(runtime).filePath(file);
    return file;
}

// Where QLocalServer puts the socket for name_.
QString SingleInstance::socketPath() const {
    return QDir::isAbsolutePath(name_) ? name_ : QDir(QDir::tempPath()).filePath(name_);
}

// A primary that ends removes the lock file while it still holds it; a start
// that locked the removed file meanwhile sees another file under the name
// and tries again.
bool SingleInstance::takeLock(bool* heldElsewhere) {
    *heldElsewhere = false;
    const QByteArray path = QFile::encodeName(socketPath() + ".lock");
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0) return false;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            *heldElsewhere = errno == EWOULDBLOCK;
            ::close(fd);
            return false;
        }
        if (SameFile(fd, path)) {
            lockFd_ = fd;
            return true;
        }
        ::close(fd);
    }
    return false;
}

void SingleInstance::releaseLock() {
    if (lockFd_ < 0) return;
    ::unlink(QFile::encodeName(socketPath() + ".lock").constData());
    ::close(lockFd_);
    lockFd_ = -1;
}

SingleInstance::Role SingleInstance::claim(const std::string& hostPath) {
    refusal_.clear();
    if (lockFd_ >= 0) return Role::Primary;
    const std::string socket = QFile::encodeName(socketPath()).toStdString();
    const std::string request = EncodeInstanceRequest(hostPath);
    // Only a path waits for the answer: it may be refused.
    const int answerMs = hostPath.empty() ? 0 : kAnswerTimeoutMs;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kHandOverMs);
    for (;;) {
        bool heldElsewhere = false;
        if (takeLock(&heldElsewhere)) return Role::Primary;
        if (!heldElsewhere) return Role::Alone;
        // The holder may still be starting and not listen yet.
        const InstanceExchange exchange = SendInstanceRequest(socket, request, answerMs);
        if (exchange.outcome != InstanceExchange::NotConnected) {
            refusal_ = exchange.refusal;
            return Role::Secondary;
        }
        if (std::chrono::steady_clock::now() >= deadline) return Role::Alone;
        std::this_thread::sleep_for(kRetryPause);
    }
}

bool SingleInstance::listen() {
    if (server_) return true;
    if (lockFd_ < 0) return false;
    // No socket options: with them Qt renames a fresh socket over the path.
    // Holding the lock, any file there was left by a crash.
    QLocalServer::removeServer(name_);
    auto server = std::make_unique<QLocalServer>();
    if (!server->listen(name_)) return false;
    server_ = std::move(server);
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] { acceptConnections(); });
    return true;
}

bool SingleInstance::tryBecomePrimary() {
    switch (claim()) {
    case Role::Secondary:
        return false;
    case Role::Primary:
        listen();
        return true;
    case Role::Alone:
        return true;
    }
    return true;
}

void SingleInstance::acceptConnections() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (peers_ >= kMostPeers) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        serve(socket);
    }
}

// Reads at most one line, in a bounded buffer, within kPeerTimeoutMs; a
// peer that sends more, or nothing, is dropped without an answer.
void SingleInstance::serve(QLocalSocket* socket) {
    ++peers_;
    QObject::connect(socket, &QObject::destroyed, server_.get(), [this] { --peers_; });
    socket->setReadBufferSize(qint64(kLongestInstanceLine));
    QTimer::singleShot(kPeerTimeoutMs, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    auto readRequest = [this, socket] {
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() >= qint64(kLongestInstanceLine)) {
                socket->abort();
                socket->deleteLater();
            }
            return;
        }
        // One request a connection: later bytes are not read.
        QObject::disconnect(socket, &QLocalSocket::readyRead, nullptr, nullptr);
        QByteArray line = socket->readLine();
        line.chop(1);
        socket->write(QByteArray::fromStdString(answer(line.toStdString())));
        socket->disconnectFromServer();
    };
    QObject::connect(socket, &QLocalSocket::readyRead, socket, readRequest);
    if (socket->bytesAvailable() > 0) readRequest();
}

std::string SingleInstance::answer(const std::string& line) {
    const std::optional<InstanceRequest> request = DecodeInstanceRequest(line);
    if (!request) return EncodeInstanceAnswer("not a request");
    if (request->path.empty() || !onOpen_) {
        if (onActivate_) onActivate_();
        return EncodeInstanceAnswer({});
    }
    return EncodeInstanceAnswer(onOpen_(request->path));
}

}  // namespace device

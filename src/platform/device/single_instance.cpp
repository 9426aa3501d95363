#include "platform/device/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>

#include <unistd.h>

namespace device {
namespace {

constexpr char kActivateRequest[] = "activate\n";
constexpr qint64 kLongestRequest = 64;

QString SettingsFolder() {
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty()) config = QDir::homePath() + "/.config";
    return QDir::cleanPath(QDir(config).absoluteFilePath("ezo"));
}

}  // namespace

SingleInstance::SingleInstance(QString name) : name_(std::move(name)) {}

SingleInstance::~SingleInstance() {
    // Closing a listening server removes its socket file.
    if (server_) server_->close();
}

QString SingleInstance::DefaultName() {
    QByteArray hash = QCryptographicHash::hash(SettingsFolder().toUtf8(), QCryptographicHash::Sha256);
    QString file = QStringLiteral("ezo-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash.toHex().left(16)));
    // The runtime folder is the user's own; the temporary folder is shared.
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) return QDir(runtime).filePath(file);
    return file;
}

bool SingleInstance::tryBecomePrimary() {
    if (server_) return true;
    // No socket options: with them Qt renames a fresh socket over the path,
    // which would silently take the place of a running primary.
    auto server = std::make_unique<QLocalServer>();
    if (!server->listen(name_)) {
        if (server->serverError() != QAbstractSocket::AddressInUseError) return true;
        if (askPrimaryToActivate()) return false;
        // Nobody answers: the socket was left behind by a crash.
        QLocalServer::removeServer(name_);
        if (!server->listen(name_)) return true;
    }
    server_ = std::move(server);
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(),
                     [this] { acceptConnections(); });
    return true;
}

bool SingleInstance::askPrimaryToActivate() {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kAnswerTimeoutMs)) return false;
    socket.write(kActivateRequest);
    socket.waitForBytesWritten(kAnswerTimeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kAnswerTimeoutMs);
    return true;
}

void SingleInstance::acceptConnections() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        auto readRequest = [this, socket] {
            if (!socket->canReadLine()) {
                // A peer that sends junk without an end of line is dropped.
                if (socket->bytesAvailable() > kLongestRequest) socket->abort();
                return;
            }
            QByteArray line = socket->readLine(kLongestRequest);
            socket->disconnectFromServer();
            if (line == kActivateRequest && onActivate_) onActivate_();
        };
        QObject::connect(socket, &QLocalSocket::readyRead, socket, readRequest);
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (socket->bytesAvailable() > 0) readRequest();
    }
}

}  // namespace device

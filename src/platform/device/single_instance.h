#pragma once
// One running program per user and settings folder. The first start takes a
// lock file and listens on a local socket beside it; a later start finds the
// lock taken and hands its request (come to the front, or open a path) to the
// first over the socket, then exits. The lock (flock) ends with its process,
// so a crash leaves nothing that blocks the next start, and of two starts at
// the same moment exactly one becomes the primary.
//
// The caller decides who takes part: a headless run does not make a guard.
#include <QLocalServer>
#include <QString>

#include <functional>
#include <memory>
#include <string>

namespace device {

class SingleInstance {
public:
    // name: a full socket path, or a plain name placed by Qt in the
    // temporary folder.
    explicit SingleInstance(QString name = DefaultName());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // The socket for this user and settings folder ($XDG_CONFIG_HOME/ezo,
    // or ~/.config/ezo), kept in $XDG_RUNTIME_DIR when there is one.
    static QString DefaultName();

    enum class Role {
        Primary,    // holds the lock: listen() once the Qt application runs
        Secondary,  // handed its request to the primary: exit
        Alone,      // no lock possible, or its holder never answered: run unguarded
    };
    // Takes the lock, or hands hostPath (empty: only come to the front) to
    // the holder, trying for up to kHandOverMs while the holder starts. Needs
    // no Qt application. refusal() then tells whether the primary refused.
    Role claim(const std::string& hostPath = {});
    const std::string& refusal() const { return refusal_; }

    // The primary's socket, made afresh (any file there was left by a crash).
    // Needs the Qt application; false when the socket cannot be made.
    bool listen();
    bool isListening() const { return server_ != nullptr; }

    // claim(), then listen() as the primary. False only when another
    // instance took the request and the caller should exit 0.
    bool tryBecomePrimary();

    // Run on the primary's UI thread for each request. The open callback
    // returns a refusal text, empty when it takes the path.
    void setOnActivateRequest(std::function<void()> callback) { onActivate_ = std::move(callback); }
    void setOnOpenRequest(std::function<std::string(const std::string& hostPath)> callback) {
        onOpen_ = std::move(callback);
    }

    const QString& name() const { return name_; }

    // How long a later start waits for the primary to answer, in ms.
    static constexpr int kAnswerTimeoutMs = 1000;
    // How long it keeps trying while the lock's holder starts up.
    static constexpr int kHandOverMs = 5000;
    // A peer that has not sent its request line by then is dropped.
    static constexpr int kPeerTimeoutMs = 2000;
    // Connections served at once; more are closed at once.
    static constexpr int kMostPeers = 8;

private:
    QString socketPath() const;
    bool takeLock(bool* heldElsewhere);
    void releaseLock();
    void acceptConnections();
    void serve(class QLocalSocket* socket);
    std::string answer(const std::string& line);

    QString name_;
    int lockFd_ = -1;
    std::string refusal_;
    std::unique_ptr<QLocalServer> server_;
    int peers_ = 0;
    std::function<void()> onActivate_;
    std::function<std::string(const std::string&)> onOpen_;
};

}  // namespace device

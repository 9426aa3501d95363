#pragma once
// One running program per user and settings folder. The first start listens
// on a local socket; a later start finds it there, asks it to come to the
// front and is told to exit. A socket file left behind by a crash, which no
// one answers, is removed and does not block the next start.
//
// The caller decides who takes part: a headless run does not make a guard.
#include <QLocalServer>
#include <QString>

#include <functional>
#include <memory>

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

    // True when no other instance answers: this one is the primary and
    // listens for later starts. False only when another one answered: it has
    // been asked to come to the front and the caller should exit 0. When the
    // socket cannot be made at all (no such folder, no rights) the program
    // still runs: true, without listening.
    bool tryBecomePrimary();
    bool isListening() const { return server_ != nullptr; }

    // Runs on the primary's UI thread when a later start asks for the front.
    void setOnActivateRequest(std::function<void()> callback) { onActivate_ = std::move(callback); }

    const QString& name() const { return name_; }

    // How long a later start waits for the primary to answer, in ms.
    static constexpr int kAnswerTimeoutMs = 200;

private:
    bool listen();
    bool askPrimaryToActivate();
    void acceptConnections();

    QString name_;
    std::unique_ptr<QLocalServer> server_;
    std::function<void()> onActivate_;
};

}  // namespace device

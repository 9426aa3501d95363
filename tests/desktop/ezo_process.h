#pragma once
// The installed-like program run as a separate process: the real ezo binary
// on Qt's offscreen platform, with its settings, cache, socket and device
// root in one temporary folder.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>
#include <string>

namespace desktop_test {

QCoreApplication& App();

// A temporary home for one or more ezo processes.
class EzoHome {
public:
    EzoHome();
    QString path(const QString& relative) const { return dir_.filePath(relative); }
    QString root() const { return path("root"); }
    // Writes a small JPEG at root/relative.
    void Picture(const QString& relative) const;
    // Starts ezo with args in cwd (default: the home); stderr kept apart.
    std::unique_ptr<QProcess> Start(const QStringList& args, const QString& cwd = {}) const;
    // Runs ezo to its end (10 s at most): its exit code, -1 when it did not end.
    int Run(const QStringList& args, const QString& cwd = {}, QByteArray* errors = nullptr) const;
    // The socket a running primary listens on; empty until it does.
    QString Socket() const;
    bool WaitForSocket(int timeoutMs = 10000) const;
    // The stored folder or file ("OpenFile") as the settings file holds it.
    QString StoredOpenFile() const;

private:
    QTemporaryDir dir_;
};

// Sends sig and waits for the end: the exit code, -1 when it did not exit normally.
int Stop(QProcess& process, int sig);

}  // namespace desktop_test

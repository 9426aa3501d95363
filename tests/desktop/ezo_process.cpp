#include "desktop/ezo_process.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QThread>

#include <csignal>

#include "jpeg_writer/jpeg_writer.h"

namespace desktop_test {

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "ezo_desktop_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

EzoHome::EzoHome() {
    App();
    for (const char* folder : {"config", "cache", "runtime", "root"}) QDir(dir_.path()).mkpath(folder);
    QFile::setPermissions(path("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void EzoHome::Picture(const QString& relative) const {
    const QString file = QDir(root()).filePath(relative);
    QDir().mkpath(QFileInfo(file).path());
    jpeg_writer::Format format;
    format.width = 64;
    format.height = 48;
    jpeg_writer::Write(file.toStdString(), format, [](int y, uint8_t* row) {
        for (int x = 0; x < 64 * 3; ++x) row[x] = uint8_t(x + y * 4);
    });
}

std::unique_ptr<QProcess> EzoHome::Start(const QStringList& args, const QString& cwd) const {
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

int EzoHome::Run(const QStringList& args, const QString& cwd, QByteArray* errors) const {
    auto process = Start(args, cwd);
    if (!process->waitForFinished(10000)) {
        process->kill();
        process->waitForFinished();
        return -1;
    }
    if (errors) *errors = process->readAllStandardError();
    return process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
}

QString EzoHome::Socket() const {
    const QStringList names = QDir(path("runtime")).entryList({"ezo-*"}, QDir::System | QDir::Files);
    for (const QString& name : names)
        if (!name.endsWith(".lock")) return path("runtime/" + name);
    return {};
}

bool EzoHome::WaitForSocket(int timeoutMs) const {
    QDeadlineTimer deadline(timeoutMs);
    while (Socket().isEmpty()) {
        if (deadline.hasExpired()) return false;
        QThread::msleep(20);
    }
    return true;
}

QString EzoHome::StoredOpenFile() const {
    QFile file(path("config/ezo/registry.reg"));
    if (!file.open(QIODevice::ReadOnly)) return "(no settings file)";
    static const QRegularExpression openFile("^\"OpenFile\"=\"(.*)\"$", QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = openFile.match(QString::fromUtf8(file.readAll()));
    return match.hasMatch() ? match.captured(1).replace("\\\\", "\\") : "(no OpenFile)";
}

int Stop(QProcess& process, int sig) {
    ::kill(pid_t(process.processId()), sig);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

}  // namespace desktop_test

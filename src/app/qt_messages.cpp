#include "app/qt_messages.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

#include "app/entry.h"

namespace ezo {
namespace {

void Filter(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) return;
    std::fprintf(stderr, "ezo: %s\n", message.toLocal8Bit().constData());
    std::_Exit(kExitFailure);
}

}  // namespace

void QuietQtMessages() {
    const char* debug = std::getenv("EZO_DEBUG");
    if (debug && *debug) return;
    qInstallMessageHandler(Filter);
}

}  // namespace ezo

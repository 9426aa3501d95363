#include "platform/headless/device_target.h"

#include <vector>

#include <QString>
#include <QTimer>

#include "platform/device/message_loop.h"
#include "platform/device/window.h"

namespace headless {

void DeviceTarget::Key(KeyChord key) {
    device_.key(Qt::Key(key.key), Qt::KeyboardModifiers::fromInt(key.modifiers));
}

void DeviceTarget::Type(std::string_view utf8) {
    const QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    device_.typeText(text.toStdU16String());
}

void CloseProgram(QObject* context) {
    if (device::QuitCode()) return;
    const std::vector<device::HWND> windows = device::TopLevelWindows();
    for (device::HWND window : windows) device::PostMessage(window, device::WM_CLOSE, 0, 0);
    QTimer::singleShot(0, context, [] {
        if (!device::QuitCode()) device::PostQuitMessage(0);
    });
}

void DeviceTarget::Quit() {
    if (quitting_) return;
    quitting_ = true;
    CloseProgram(context_.get());
}

}  // namespace headless

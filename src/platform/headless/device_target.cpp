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

void DeviceTarget::Quit() {
    if (quitting_ || device_.quitCode()) return;
    quitting_ = true;
    // Posted, not sent: a close that opens a modal window must not block the
    // script, and the scheduled quit below ends any such nested loop.
    const std::vector<device::HWND> windows = device::TopLevelWindows();
    for (device::HWND window : windows) device::PostMessage(window, device::WM_CLOSE, 0, 0);
    QTimer::singleShot(0, context_.get(), [] {
        if (!device::QuitCode()) device::PostQuitMessage(0);
    });
}

}  // namespace headless

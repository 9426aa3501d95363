#include "platform/headless/device_target.h"

#include <chrono>
#include <thread>
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

bool DeviceTarget::Settle(int milliseconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (true) {
        // What the background work posted is handled before each look.
        device_.processPending();
        if (device_.settled()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
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

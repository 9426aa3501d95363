#include "app/later_start.h"

#include <QTimer>
#include <QWidget>

#include <filesystem>

#include "app/main_window.h"
#include "app/start_option.h"
#include "app/start_path.h"
#include "platform/device/activation.h"
#include "platform/device/device.h"
#include "platform/device/window.h"
#include "platform/files/device_paths.h"

namespace ezo {

std::string TakeLaterStartPath(const std::string& hostPath) {
    if (!device::FindWindow(kMainWindowClass, nullptr)) return "Ezo is still starting; try again";
    if (device::ModalWindow()) return "Ezo waits for an answer in a dialog";
    const std::string root = files::DeviceRoot();
    const StartPath start = ResolveStartPath(hostPath, root, "/");
    if (!start.error.empty()) return start.error;
    std::error_code error;
    if (!std::filesystem::equivalent(start.root, root, error))
        return "'" + hostPath + "' is outside the folder Ezo shows as its device (" + root +
               "); quit Ezo first to start it there";
    // Not inside the socket's handler: opening a large picture takes a while.
    QTimer::singleShot(0, [path = start.devicePath] {
        if (device::HWND window = device::FindWindow(kMainWindowClass, nullptr)) ShowLaterStartPath(window, path);
        BringToFront();
    });
    return {};
}

void BringToFront() {
    device::Device* running = device::Device::current();
    if (!running) return;
    QWidget* window = running->desktopWindow();
    window->showNormal();
    window->raise();
    window->activateWindow();
}

}  // namespace ezo

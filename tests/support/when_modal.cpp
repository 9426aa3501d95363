#include "support/when_modal.h"

#include <QTimer>

#include "platform/device/activation.h"

namespace test_support {

void WhenModal(std::function<void(device::HWND modal)> fn) {
    QTimer::singleShot(0, [fn] {
        const device::HWND modal = device::ModalWindow();
        if (!modal) return WhenModal(fn);  // not up yet: look again on the next turn
        fn(modal);
        if (device::ModalWindow() == modal) device::EndModalLoop(modal, 0);
    });
}

}  // namespace test_support

#pragma once
// Acting inside a modal loop (a message box, a pop-up menu) that a call
// under test opens and waits on.
#include <QTimer>

#include <functional>

#include "platform/device/activation.h"
#include "platform/device/window.h"

namespace test_support {

// Runs fn from the event loop once a modal window is up, with that window;
// ends its loop afterwards if fn left it open, so a test never hangs on it.
inline void WhenModal(std::function<void(device::HWND modal)> fn) {
    QTimer::singleShot(0, [fn] {
        const device::HWND modal = device::ModalWindow();
        if (!modal) return WhenModal(fn);  // not up yet: look again on the next turn
        fn(modal);
        if (device::ModalWindow() == modal) device::EndModalLoop(modal, 0);
    });
}

}  // namespace test_support

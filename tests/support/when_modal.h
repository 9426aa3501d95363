#pragma once
// Acting inside a modal loop (a message box, a pop-up menu) that a call
// under test opens and waits on.
#include <functional>

#include "platform/device/window.h"

namespace test_support {

// Runs fn from the event loop once a modal window is up, with that window;
// ends its loop afterwards if fn left it open, so a test never hangs on it.
void WhenModal(std::function<void(device::HWND modal)> fn);

}  // namespace test_support

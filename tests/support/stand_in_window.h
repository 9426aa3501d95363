#pragma once
// A small device window that keeps what a script did to it: where the stylus
// was last, the last application button and the ticks of a one-second timer.
#include "platform/device/window.h"

namespace device {

class StandInWindow final : public Window {
public:
    LRESULT WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) override;

    gdi::POINT stylus{-1, -1};
    int lastButton = 0;
    int ticks = 0;
};

// A visible top-level window in the work area with the five application
// buttons registered; it posts the quit message when destroyed.
StandInWindow* CreateStandInWindow();

}  // namespace device

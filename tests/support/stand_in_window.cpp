#include "support/stand_in_window.h"

#include "platform/device/activation.h"
#include "platform/device/hot_keys.h"
#include "platform/device/input_rules.h"
#include "platform/device/message_loop.h"
#include "platform/device/timers.h"

namespace device {

constexpr int kFirstButtonId = 193;

LRESULT StandInWindow::WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        for (int n = 1; n <= 5; ++n) RegisterHotKey(this, kFirstButtonId + n - 1, MOD_WIN, AppButtonKey(n));
        SetTimer(this, 1, 1000, nullptr);
        return 0;
    case WM_DESTROY:
        KillTimer(this, 1);
        PostQuitMessage(0);
        return 0;
    case WM_LBUTTONDOWN: SetCapture(this); break;
    case WM_LBUTTONUP: ReleaseCapture(); break;
    case WM_MOUSEMOVE: break;
    case WM_HOTKEY: lastButton = int(wParam) - kFirstButtonId + 1; return 0;
    case WM_TIMER: ++ticks; return 0;
    default: return DefWindowProc(this, msg, wParam, lParam);
    }
    stylus = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return 0;
}

StandInWindow* CreateStandInWindow() {
    return static_cast<StandInWindow*>(CreateWindowFor(std::make_unique<StandInWindow>(), u"StandIn", 0, u"Ezo",
                                                       WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                                       CW_USEDEFAULT, nullptr, 0));
}

}  // namespace device

#include "support/demo_window.h"

#include <algorithm>

#include "platform/device/activation.h"
#include "platform/device/hot_keys.h"
#include "platform/device/input_rules.h"
#include "platform/device/message_loop.h"
#include "platform/device/timers.h"

namespace device {

constexpr int kFirstButtonId = 193;

LRESULT DemoWindow::WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        for (int n = 1; n <= 5; ++n) RegisterHotKey(this, kFirstButtonId + n - 1, MOD_WIN, AppButtonKey(n));
        SetTimer(this, kDemoTimer, 1000, nullptr);
        return 0;
    case WM_DESTROY:
        KillTimer(this, kDemoTimer);
        PostQuitMessage(0);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetCapture(this);
        [[fallthrough]];
    case WM_MOUSEMOVE:
        stylus_ = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        return 0;
    case WM_LBUTTONUP:
        ReleaseCapture();
        stylus_ = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        return 0;
    case WM_KEYDOWN:
        MoveMarker(uint32_t(wParam));
        return 0;
    case WM_HOTKEY:
        lastButton_ = int(wParam) - kFirstButtonId + 1;
        return 0;
    case WM_TIMER:
        ++ticks_;
        return 0;
    default:
        return DefWindowProc(this, msg, wParam, lParam);
    }
}

void DemoWindow::MoveMarker(uint32_t vk) {
    constexpr int32_t step = 8;
    const gdi::RECT& r = data().rect;
    if (vk == VK_LEFT) marker_.x -= step;
    if (vk == VK_RIGHT) marker_.x += step;
    if (vk == VK_UP) marker_.y -= step;
    if (vk == VK_DOWN) marker_.y += step;
    marker_.x = std::clamp(marker_.x, 0, std::max(0, r.width() - kDemoMarkerSize));
    marker_.y = std::clamp(marker_.y, 0, std::max(0, r.height() - kDemoMarkerSize));
}

HWND CreateDemoWindow() {
    return CreateWindowFor(std::make_unique<DemoWindow>(), u"EzoDemo", CS_DBLCLKS, u"Ezo", WS_VISIBLE,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, 0);
}

}  // namespace device

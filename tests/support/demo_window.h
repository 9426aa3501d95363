#pragma once
// A small device window for driving the device layer in tests: it keeps
// where the stylus was last, moves a marker with the arrow keys, keeps the
// last application button and counts the ticks of a one-second timer.
#include <cstdint>

#include "platform/device/window.h"

namespace device {

class DemoWindow final : public Window {
public:
    LRESULT WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) override;

    gdi::POINT stylus() const { return stylus_; }
    gdi::POINT marker() const { return marker_; }
    int lastButton() const { return lastButton_; }
    int ticks() const { return ticks_; }

private:
    void MoveMarker(uint32_t vk);

    gdi::POINT stylus_{-1, -1};
    gdi::POINT marker_{112, 120};
    int lastButton_ = 0;
    int ticks_ = 0;
};

constexpr uintptr_t kDemoTimer = 1;
constexpr int kDemoMarkerSize = 16;

// Creates the demo as a visible top-level window in the work area, with the
// five application buttons registered; WM_DESTROY posts the quit message.
HWND CreateDemoWindow();

}  // namespace device

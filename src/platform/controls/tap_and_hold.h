#pragma once
// Tap-and-hold: the stylus held still on a window for the device's hold time
// (or the alternate button) is the context-menu gesture.
//
// The device reports the raw hold through Window::StylusHeld. Recognition
// runs alongside the stylus: a window's stylus-down handler calls
// SHRecognizeGesture, which starts the feedback (a ring of dots around the
// point that fills while the stylus is held) and returns 0, as for a short
// tap; when the hold comes, the window's StylusHeld calls GestureHeld, which
// completes the gesture: GN_CONTEXTMENU, and the parent hears it when the
// record asked for that. A tap that ends early, or a stylus that moves
// away, ends the feedback and gives nothing.
//
// GestureWindow does the StylusHeld part for a window class; the tree and
// the list controls do the same themselves.
#include <cstdint>

#include "platform/controls/notify.h"
#include "platform/device/window.h"

namespace controls {

constexpr uint32_t SHRG_RETURNCMD = 0x00000001;
constexpr uint32_t SHRG_NOTIFYPARENT = 0x00000002;
constexpr uint32_t SHRG_LONGDELAY = 0x00000008;  // accepted; the device has one hold time

struct SHRGINFO {
    uint32_t cbSize = 0;
    device::HWND hwndClient = nullptr;
    gdi::POINT ptDown;  // client coordinates of hwndClient
    uint32_t dwFlags = 0;
};
// The record size the handheld's callers pass.
constexpr uint32_t kSHRGINFOSize = 20;

// Arms the recognition for the stylus that is down on info->hwndClient and
// returns 0: the hold, if it comes, is reported by GestureHeld. A bad record
// or a stylus that is not down arms nothing.
uint32_t SHRecognizeGesture(const SHRGINFO* info);

// The device reports the hold at client point (x, y). Completes the armed
// recognition of the window: hides the feedback, sends GN_CONTEXTMENU with
// an NMRGINFO (point in screen coordinates) to the parent when asked, and
// returns GN_CONTEXTMENU; 0 when nothing was armed for the window.
// A hold without the stylus down (the alternate button) is played as a
// stylus down at the point, the hold, and the lift.
uint32_t GestureHeld(device::HWND window, int32_t x, int32_t y);

// Whether the last recognition armed for the window ended in a hold (so a
// control does not also treat the lift as a tap).
bool GestureWasHeld(device::HWND window);

// A window whose stylus-down handler calls SHRecognizeGesture.
class GestureWindow : public device::Window {
public:
    void StylusHeld(int32_t x, int32_t y) override { GestureHeld(this, x, y); }
};

// The feedback ring: how many of its dots show after elapsedMs of a hold of
// holdMs, and where dot k lies around the centre.
constexpr int kFeedbackDots = 8;
constexpr int kFeedbackRadius = 12;
int FeedbackDotCount(uint64_t elapsedMs, uint64_t holdMs);
gdi::POINT FeedbackDotPosition(gdi::POINT centre, int k);
// Whether the feedback ring shows now (for tests and the state dump).
bool GestureFeedbackShown();

}  // namespace controls

#pragma once
// The one road of input into the device windows. The screen feeds it the real
// mouse and keyboard, the device facade the injected ones, so both behave the
// same. Points are device-screen pixels.
//
// Stylus: to the window under the point, or to the window holding the
// capture; a second tap on a window whose class takes double clicks, within
// the platform's double-click time and distance, is WM_LBUTTONDBLCLK, unless
// the first stroke moved farther than that distance (a drag, not a tap).
// Held still for kHoldMs, the stylus calls the window's StylusHeld.
// Wheel: to the window under the point; a window that shows a Qt widget
// scrolls it, any other window gets WM_MOUSEWHEEL for each whole notch.
// Keys: accelerators (Ctrl+Q, Tab...) to the active top-level window while
// no modal window runs; the application buttons as WM_HOTKEY to the window that
// registered them, else nowhere; other keys to the focused window.
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include <QString>
#include <Qt>

#include "platform/device/accelerators.h"
#include "platform/gdi/types.h"

namespace device::input {

constexpr uint64_t kHoldMs = 500;

void StylusDown(gdi::POINT screen);
void StylusMove(gdi::POINT screen);
void StylusUp(gdi::POINT screen);
// The alternate button: the tap-and-hold at once.
void StylusAlternate(gdi::POINT screen);
bool StylusIsDown();

// A turn of the wheel by delta (WHEEL_DELTA a notch, positive away from the
// user) with the pointer at screen.
void Wheel(gdi::POINT screen, int32_t delta, Qt::KeyboardModifiers modifiers);

// When a pending hold comes due on the device clock, if one is pending.
std::optional<uint64_t> HoldDue();
// Fires the hold if it is due.
void CheckHold();

void KeyPress(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text);
void KeyRelease(int qtKey, Qt::KeyboardModifiers modifiers);
void TypeText(std::u16string_view text);

// A tap on the task bar (stylus down and up there, no capture) goes to the
// handler the shell registers (its Done button), at the screen point of the
// lift. ResetInput forgets it.
using TaskBarTapHandler = std::function<void(gdi::POINT screen)>;
void SetTaskBarTapHandler(TaskBarTapHandler handler);

// The accelerator table in use (the program's by default).
void SetAccelerators(HACCEL table);
void ResetInput();

}  // namespace device::input

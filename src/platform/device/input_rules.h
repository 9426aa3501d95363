#pragma once
// The pure rules of input: when a second tap is a double tap, which virtual
// key a keyboard key is, which keys are the application buttons.
#include <cstdint>

#include <Qt>

#include "platform/gdi/types.h"

namespace device {

class Window;

// Where and when the stylus last went down, for double-tap detection.
struct TapRecord {
    bool valid = false;
    uint64_t timeMs = 0;
    gdi::POINT point;  // screen pixels
    const Window* window = nullptr;
};

// A second tap on the same window within intervalMs and within distance
// pixels on each axis of the first is a double tap.
bool IsDoubleTap(const TapRecord& first, uint64_t timeMs, gdi::POINT point, const Window* window,
                 int intervalMs, int distance);

// The virtual key of a Qt key (arrows, Return, letters, digits, F-keys...), 0 for none.
uint32_t VirtualKeyFromQt(int qtKey);

// The Qt key that gives a virtual key (the application buttons give F1..F5),
// 0 for none.
int QtKeyFromVirtualKey(uint32_t vk);

// Application button 1..5 for F1..F5, and for the digits 1..5 without Ctrl
// or Alt when digitsAreButtons; 0 otherwise.
int AppButtonFromQt(int qtKey, Qt::KeyboardModifiers modifiers, bool digitsAreButtons);

// The virtual key of application button n (1..5).
constexpr uint32_t AppButtonKey(int n) { return 0xC0u + uint32_t(n); }

}  // namespace device

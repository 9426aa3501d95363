#pragma once
// The slide show's cover transitions: the new picture's frame slides in
// over the old one in 50 ms steps on timer 2 of the main window.
#include <cstdint>

#include "platform/device/window_api.h"

namespace ezo {

constexpr uint32_t kEffectPeriodMs = 50;

struct TransitionState {
    int32_t effect = -1;       // the SlideEffect being animated
    int32_t effectOffset = 0;  // the frame's offset along the moving axis
    int32_t effectTravel = 0;  // client width or height
};
extern TransitionState transition;

// How a cover effect moves the frame: along y or x, from where, by how much
// a tick; the frame has arrived once the offset passes 0.
struct CoverMotion {
    bool vertical = false;
    int32_t start = 0;
    int32_t step = 0;
};
// The motion of effect (0..3) in a cw x ch client; false for any other code.
bool CoverMotionFor(int32_t effect, int32_t cw, int32_t ch, CoverMotion& motion);

// Starts the transition of settings.slideEffect (0..3) on the picture just
// loaded; draws nothing yet. Other codes start nothing.
void StartTransition(device::HWND window);
// One step: draws the frame at the offset, or the final frame at (0, 0) and
// hands over to the slide timer.
void TransitionTick(device::HWND window);
// Kills timer 2 and clears effectRunning (the caller redraws).
void StopTransition(device::HWND window);

}  // namespace ezo

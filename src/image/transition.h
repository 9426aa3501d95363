#pragma once
// The slide show's cover transitions: the new picture's frame slides in
// over the old one, one step a tick. The slide show owns the timer that
// ticks; the cover says when it has arrived.
#include <cstdint>

#include "platform/device/window_api.h"
#include "shell/program.h"

namespace ezo {

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
// loaded; draws nothing yet. 1 when one started; other codes start nothing.
int StartTransition(device::HWND window);
// One step: draws the frame at the offset and returns 0, or draws the final
// frame at (0, 0), ends the transition and returns 1. A tick with no
// transition running returns 1 too, so that its timer stops.
int TransitionTick(device::HWND window);
// Ends the transition where it is (the caller redraws).
void EndTransition(Program& program);

}  // namespace ezo

#include "image/transition.h"

#include "image/draw_view.h"

namespace ezo {

namespace {

// The frame slides towards 0 from below (Cover Down, Cover Right) or from
// above (Cover Left, Cover Up); it has arrived once the offset passes 0.
bool HasArrived(const CoverMotion& motion, int32_t offset) {
    return motion.step > 0 ? offset > 0 : offset < 0;
}

}  // namespace

bool CoverMotionFor(int32_t effect, int32_t cw, int32_t ch, CoverMotion& motion) {
    switch (effect) {
    case 0: motion = {true, -ch, 15}; return true;   // Cover Down
    case 1: motion = {false, cw, -10}; return true;  // Cover Left
    case 2: motion = {false, -cw, 10}; return true;  // Cover Right
    case 3: motion = {true, ch, -15}; return true;   // Cover Up
    default: return false;
    }
}

int StartTransition(device::HWND window) {
    Program& program = ProgramOf(window);
    TransitionState& transition = program.transition;
    gdi::RECT client{};
    device::GetClientRect(window, &client);
    CoverMotion motion;
    const int32_t effect = program.settings.slideEffect;
    if (!CoverMotionFor(effect, client.width(), client.height(), motion)) return 0;
    // The effect is kept with the transition, so a change of choice while
    // it runs cannot leave it without an end.
    transition.effect = effect;
    transition.effectOffset = motion.start;
    transition.effectTravel = motion.vertical ? client.height() : client.width();
    program.viewState.effectRunning = 1;
    return 1;
}

int TransitionTick(device::HWND window) {
    Program& program = ProgramOf(window);
    TransitionState& transition = program.transition;
    CoverMotion motion;
    if (!program.viewState.effectRunning || !CoverMotionFor(transition.effect, 0, 0, motion)) {
        EndTransition(program);
        return 1;
    }
    const int32_t offset = transition.effectOffset;
    if (HasArrived(motion, offset)) {
        transition.effectOffset = 0;
        DrawView(window, 0, 0);
        EndTransition(program);
        return 1;
    }
    if (motion.vertical)
        DrawView(window, 0, offset);
    else
        DrawView(window, offset, 0);
    transition.effectOffset = offset + motion.step;
    return 0;
}

void EndTransition(Program& program) {
    program.viewState.effectRunning = 0;
    program.transition.effect = -1;
}

}  // namespace ezo

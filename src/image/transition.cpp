#include "image/transition.h"

#include "app/shell/shell_state.h"
#include "app/shell/slide_timer.h"
#include "image/draw_view.h"
#include "image/view_state.h"
#include "platform/device/timers.h"
#include "settings/settings.h"

namespace ezo {

TransitionState transition;

namespace {

void OnEffectTimer(device::HWND window, unsigned, uintptr_t, uint32_t) { TransitionTick(window); }

// The frame slides towards 0 from below (Cover Down, Cover Right) or from
// above (Cover Left, Cover Up); it has arrived once the offset passes 0.
bool HasArrived(const CoverMotion& motion, int32_t offset) {
    return motion.step > 0 ? offset > 0 : offset < 0;
}

void FinishTransition(device::HWND window) {
    transition.effectOffset = 0;
    DrawView(window, 0, 0);
    StopTransition(window);
    // The interval to the next picture starts only now.
    if (shell.slideShowRunning) StartSlideTimer(window);
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

void StartTransition(device::HWND window) {
    gdi::RECT client{};
    device::GetClientRect(window, &client);
    CoverMotion motion;
    const int32_t effect = settings.slideEffect;
    if (!CoverMotionFor(effect, client.width(), client.height(), motion)) return;
    // The effect is kept with the transition, so a change of choice while
    // it runs cannot leave it without an end.
    transition.effect = effect;
    transition.effectOffset = motion.start;
    transition.effectTravel = motion.vertical ? client.height() : client.width();
    device::SetTimer(window, kEffectTimer, kEffectPeriodMs, OnEffectTimer);
    shell.effectTimerSet = 1;
    viewState.effectRunning = 1;
}

void TransitionTick(device::HWND window) {
    CoverMotion motion;
    if (!viewState.effectRunning || !CoverMotionFor(transition.effect, 0, 0, motion)) {
        StopTransition(window);
        return;
    }
    const int32_t offset = transition.effectOffset;
    if (HasArrived(motion, offset)) {
        FinishTransition(window);
        return;
    }
    if (motion.vertical)
        DrawView(window, 0, offset);
    else
        DrawView(window, offset, 0);
    transition.effectOffset = offset + motion.step;
}

void StopTransition(device::HWND window) {
    device::KillTimer(window, kEffectTimer);
    viewState.effectRunning = 0;
    transition.effect = -1;
}

}  // namespace ezo

#include "app/slide_show.h"

#include <algorithm>

#include "app/main_window.h"
#include "image/draw_view.h"
#include "image/open_image.h"
#include "image/transition.h"
#include "platform/device/timers.h"
#include "shell/shell_windows.h"

namespace ezo {

namespace {

constexpr int kSlideShowBit = 1;
constexpr uint32_t kEffectPeriodMs = 50;

// The view bar follows viewBarBits; in full screen no bar shows.
void ShowViewBarUnlessFullScreen(Program& program) {
    if (!program.viewState.fullScreen) ShowViewBar(program.shell);
}

// (Re)starts timer 1 with the full interval.
void StartSlideTimer(device::HWND window, Program& program) {
    // A stored interval is 1..30 s; anything else still gives a sane timer.
    const int64_t seconds = std::clamp<int64_t>(program.settings.slideSeconds, 1, 3600);
    program.shell.slideTimer = device::SetTimer(window, kSlideTimer, uint32_t(seconds * 1000), nullptr);
    program.shell.slideTimerSet = 1;
}

void StopSlideTimer(device::HWND window, Program& program) {
    if (program.shell.slideTimer != 0) device::KillTimer(window, kSlideTimer);
    program.shell.slideTimer = 0;
}

void StopEffectTimer(device::HWND window, Program& program) {
    device::KillTimer(window, kEffectTimer);
    EndTransition(program);
}

// Timer 2: one step of the cover. Once it has arrived the timer stops and
// the interval to the next picture starts.
void OnEffectTimer(device::HWND window, unsigned, uintptr_t, uint32_t) {
    Program& program = ProgramOf(window);
    const bool moving = program.viewState.effectRunning != 0;
    if (!TransitionTick(window)) return;
    device::KillTimer(window, kEffectTimer);
    if (moving && program.shell.slideShowRunning) StartSlideTimer(window, program);
}

// After a step: the cover it started runs on timer 2, else the next
// interval starts at once.
void AfterStep(device::HWND window, Program& program) {
    if (program.viewState.effectRunning) {
        device::SetTimer(window, kEffectTimer, kEffectPeriodMs, OnEffectTimer);
        program.shell.effectTimerSet = 1;
    } else {
        StartSlideTimer(window, program);
    }
}

}  // namespace

void StartSlideShow(device::HWND window) {
    Program& program = ProgramOf(window);
    if (!program.viewState.imageLoaded || program.shell.browseMode) return;
    program.shell.slideShowRunning = 1;
    StartSlideTimer(window, program);
    program.shell.viewBarBits |= kSlideShowBit;
    ShowViewBarUnlessFullScreen(program);
}

void RestartSlideTimer(device::HWND window) {
    Program& program = ProgramOf(window);
    if (program.shell.slideShowRunning && !program.viewState.effectRunning) StartSlideTimer(window, program);
}

void StopSlideShow(device::HWND window) {
    Program& program = ProgramOf(window);
    // A transition on its way runs to its end; it will not restart the timer.
    StopSlideTimer(window, program);
    program.shell.slideShowRunning = 0;
    program.shell.viewBarBits &= ~kSlideShowBit;
    ShowViewBarUnlessFullScreen(program);
}

// One step of the show. At either end the show turns and runs the other
// way; a folder with one picture opens nothing and the show goes on. The
// next interval starts whether or not a picture opened, so a folder whose
// other pictures all fail keeps its show running.
void SlideShowTick(device::HWND window) {
    Program& program = ProgramOf(window);
    Shell& shell = program.shell;
    // Ticks belong to a running show between transitions.
    if (!shell.slideShowRunning || program.viewState.effectRunning) return;
    StopSlideTimer(window, program);
    if (shell.slideForward) {
        if (!StepToNextImage(window, 1)) {
            StepToPreviousImage(window, 1);
            shell.slideForward = 0;
        }
    } else if (!StepToPreviousImage(window, 1)) {
        StepToNextImage(window, 1);
        shell.slideForward = 1;
    }
    AfterStep(window, program);
}

// A menu taking the screen ends the show at once: the transition is cut
// short and the picture drawn in place.
void OnMenuOpened(device::HWND window) {
    Program& program = ProgramOf(window);
    Shell& shell = program.shell;
    if (!shell.slideShowRunning && !program.viewState.effectRunning) return;
    shell.viewBarBits &= ~kSlideShowBit;
    StopSlideTimer(window, program);
    StopEffectTimer(window, program);
    shell.slideShowRunning = 0;
    // Only the view screen has a picture and a view bar to show.
    if (shell.browseMode) return;
    ShowViewBarUnlessFullScreen(program);
    DrawView(window, 0, 0);
}

}  // namespace ezo

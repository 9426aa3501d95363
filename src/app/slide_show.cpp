#include "app/slide_show.h"

#include "app/shell/shell_state.h"
#include "app/shell/shell_windows.h"
#include "app/shell/slide_timer.h"
#include "image/draw_view.h"
#include "image/open_image.h"
#include "image/transition.h"
#include "image/view_state.h"

namespace ezo {

namespace {

constexpr int kSlideShowBit = 1;

// The view bar follows viewBarBits; in full screen no bar shows.
void ShowViewBarUnlessFullScreen() {
    if (!viewState.fullScreen) ShowViewBar();
}

}  // namespace

void StartSlideShow(device::HWND window) {
    if (!viewState.imageLoaded || shell.browseMode) return;
    shell.slideShowRunning = 1;
    StartSlideTimer(window);
    shell.viewBarBits |= kSlideShowBit;
    ShowViewBarUnlessFullScreen();
}

void StopSlideShow(device::HWND window) {
    // A transition on its way runs to its end; it will not restart the timer.
    StopSlideTimer(window);
    shell.slideShowRunning = 0;
    shell.viewBarBits &= ~kSlideShowBit;
    ShowViewBarUnlessFullScreen();
}

// One step of the show. At either end the show turns and runs the other
// way; a folder with one picture opens nothing and the timer keeps running.
void SlideShowTick(device::HWND window) {
    // Ticks belong to a running show between transitions.
    if (!shell.slideShowRunning || viewState.effectRunning) return;
    if (shell.slideForward) {
        if (!StepToNextImage(window, 1)) {
            StepToPreviousImage(window, 1);
            shell.slideForward = 0;
        }
    } else if (!StepToPreviousImage(window, 1)) {
        StepToNextImage(window, 1);
        shell.slideForward = 1;
    }
}

// A menu taking the screen ends the show at once: the transition is cut
// short and the picture drawn in place.
void OnMenuOpened(device::HWND window) {
    if (!shell.slideShowRunning && !viewState.effectRunning) return;
    shell.viewBarBits &= ~kSlideShowBit;
    StopSlideTimer(window);
    StopTransition(window);
    shell.slideShowRunning = 0;
    // Only the view screen has a picture and a view bar to show.
    if (shell.browseMode) return;
    ShowViewBarUnlessFullScreen();
    DrawView(window, 0, 0);
}

}  // namespace ezo

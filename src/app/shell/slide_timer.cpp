#include "app/shell/slide_timer.h"

#include <algorithm>

#include "app/shell/shell_state.h"
#include "platform/device/timers.h"
#include "settings/settings.h"

namespace ezo {

void StartSlideTimer(device::HWND window) {
    // A stored interval is 1..30 s; anything else still gives a sane timer.
    const int64_t seconds = std::clamp<int64_t>(settings.slideSeconds, 1, 3600);
    shell.slideTimer = device::SetTimer(window, kSlideTimer, uint32_t(seconds * 1000), nullptr);
    shell.slideTimerSet = 1;
}

void StopSlideTimer(device::HWND window) {
    if (shell.slideTimer != 0) device::KillTimer(window, kSlideTimer);
    shell.slideTimer = 0;
}

}  // namespace ezo

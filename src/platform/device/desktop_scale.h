#pragma once
// How many desktop pixels one device pixel takes in the real window.
#include <QSize>

namespace device {

// The largest scale taken when none is asked for: larger ones make the
// device's pixels blocks rather than a handheld's screen.
constexpr int kMaxAutoScale = 2;

struct ScaleChoice {
    int scale = 1;
    bool fits = true;  // the scaled screen fits the desktop's free area
};

// For requested 0, the largest whole scale up to kMaxAutoScale at which the
// 240 x 320 screen fits the desktop's free area (1 when none does, 2 when the
// desktop is unknown); otherwise the requested scale, and whether it fits.
ScaleChoice ChooseScale(int requested, QSize desktop);

}  // namespace device

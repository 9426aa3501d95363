#pragma once
// The current picture and everything about how it is shown, and the slide
// show's cover transition. Part of the program's state (shell/program.h);
// the loaders fill the first group, the drawing code and the shell the rest.
#include <cstdint>

#include "platform/gdi/bitmap.h"

namespace ezo {

struct ViewState {
    // The current-image slot and the facts recorded with it.
    gdi::BitmapPtr currentImage;
    int imageLoaded = 0;
    int landscapeApplied = 0;
    int isLarge = 0;
    float fitZoom = 0.0f;

    // How the picture is drawn.
    float zoom = 1.0f;
    float previousZoom = 1.0f;
    int32_t xOffset = 0;
    int32_t yOffset = 0;
    int fitToggle = 0;
    int fitButtonOn = 0;
    int fullScreen = 0;
    int titleBarHidden = 0;
    int landscapeMode = 0;
    int flipBits = 0;  // 1: upside down, 2: mirrored left to right
    int effectRunning = 0;

    // Last stylus position of a pan, cleared whenever the view is re-centred.
    int32_t panLastX = 0;
    int32_t panLastY = 0;
};

constexpr int kFlipVertical = 1;
constexpr int kFlipHorizontal = 2;

// The cover transition of the slide show: the new picture's frame slides in
// over the old one on timer 2 of the main window.
struct TransitionState {
    int32_t effect = -1;       // the SlideEffect being animated
    int32_t effectOffset = 0;  // the frame's offset along the moving axis
    int32_t effectTravel = 0;  // client width or height
};

}  // namespace ezo

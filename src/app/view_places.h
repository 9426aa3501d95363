#pragma once
// Where the main window goes when the view's presentation switches change,
// which command a hardware key's action becomes, and where a split preset
// puts the separator. Pure arithmetic, so it is checked without a screen.
#include <cstdint>

#include "shell/main_layout.h"
#include "platform/gdi/types.h"

namespace ezo {

// Full screen covers the task bar and the menu bar: the window starts 26
// pixels above the screen (the frame is drawn from client row 26) and ends at
// its bottom. Leaving gives back the view's place below the task bar, or
// from the top of the screen when the title bar stays hidden.
Placement EnterFullScreenPlace(const gdi::RECT& client, bool titleBarHidden);
Placement LeaveFullScreenPlace(const gdi::RECT& client, bool titleBarHidden);
// Hiding the title bar gives its 26 pixels to the window; showing takes them back.
Placement HideTitleBarPlace(const gdi::RECT& client);
Placement ShowTitleBarPlace(const gdi::RECT& client);

// The vertical offset once a full-screen view has grown to clientHeight (of
// which the screen shows all but the top 26 rows): no further down than the
// zoomed picture allows, never below 0.
int32_t FullScreenYOffset(int32_t yOffset, int32_t pictureHeight, float zoom, int32_t clientHeight);

// The command a KeyAction sends: full screen, landscape, exit, or the slide
// show's start or stop (stop while bit 0 of viewBarBits says one runs).
// 0 for a value that is no action.
uint16_t KeyActionToCommand(int32_t action, int viewBarBits);

}  // namespace ezo

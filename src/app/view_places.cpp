#include "app/view_places.h"

#include "shell/resource_ids.h"
#include "image/render_layout.h"
#include "settings/settings.h"

namespace ezo {

namespace {

constexpr int32_t kBar = kMenuBarHeight;  // the task bar is as high

}  // namespace

// The full-screen frame is drawn from client row 26 down, so the window's top
// 26 rows lie above the screen and its bottom reaches the screen's bottom.
Placement EnterFullScreenPlace(const gdi::RECT& client, bool titleBarHidden) {
    return {client.left, client.top - kBar, client.right, client.bottom + (titleBarHidden ? 2 : 3) * kBar};
}

Placement LeaveFullScreenPlace(const gdi::RECT& client, bool titleBarHidden) {
    if (titleBarHidden) return {client.left, client.top, client.right, client.bottom - 2 * kBar};
    return {client.left, client.top + kBar, client.right, client.bottom - 3 * kBar};
}

Placement HideTitleBarPlace(const gdi::RECT& client) {
    return {client.left, client.top, client.right, client.bottom + kBar};
}

Placement ShowTitleBarPlace(const gdi::RECT& client) {
    return {client.left, client.top + kBar, client.right, client.bottom - kBar};
}

int32_t FullScreenYOffset(int32_t yOffset, int32_t pictureHeight, float zoom, int32_t clientHeight) {
    // The top 26 rows of a full-screen window lie above the screen.
    const float d = float(pictureHeight) * zoom - float(clientHeight - kBar);
    const float limit = d > 0.0f ? d : 0.0f;
    const float y = float(yOffset);
    return TruncToInt(y < limit ? y : limit);
}

uint16_t KeyActionToCommand(int32_t action, int viewBarBits) {
    switch (action) {
    case FullScreen: return IDM_FULL_SCREEN;
    case LandScape: return IDM_LANDSCAPE;
    case Quit: return IDM_EXIT;
    case SlideShow: return (viewBarBits & 1) ? IDM_SLIDE_STOP : IDM_SLIDE_START;
    default: return 0;
    }
}

}  // namespace ezo

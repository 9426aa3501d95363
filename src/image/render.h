#pragma once
// The one transfer that puts the current picture into a drawing context.
#include <cstdint>

#include "platform/gdi/device_context.h"
#include "platform/gdi/types.h"
#include "shell/view_state.h"

namespace ezo {

// Applies the pan step (dx, dy) to the offsets, then copies or stretches the
// bitmap selected into `source` (described by `description`) into `target`
// as the view's mode asks: centred, zoomed, mirrored or fitted (fit mode also
// sets the zoom). Makes exactly one transfer; none for a bitmap without
// pixels. Returns 1 when a transfer was made.
int RenderImage(ViewState& v, gdi::HDC target, gdi::HDC source, const gdi::RECT& client,
                const gdi::BITMAP& description, int32_t dx, int32_t dy);

}  // namespace ezo

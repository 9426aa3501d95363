#pragma once
// Placing the view on the picture after a load, a turn, a mode change or a
// zoom step.
#include <cstdint>

#include "image/render_layout.h"
#include "shell/view_state.h"

namespace ezo {

// The view on the middle of a W x H picture at `zoom` (offsets 0 on an axis
// where the zoomed picture fits the screen).
Offsets CentredOffsets(int32_t W, int32_t H, float zoom);

// The offsets after a zoom step from previousZoom to zoom that keep the
// picture point at the view's centre in place, clamped to the picture's edges.
// An axis whose old scale was zero (nothing to keep) is centred instead.
Offsets RecentredOffsets(int32_t W, int32_t H, float zoom, float previousZoom, Offsets current,
                         const ViewMode& mode);

// Resets (keepCentre 0) or re-centres (keepCentre 1) the offsets of the
// current picture; resetting also forgets the last stylus point.
void RecentreView(ViewState& v, int keepCentre);

}  // namespace ezo

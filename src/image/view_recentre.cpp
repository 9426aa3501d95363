#include "image/view_recentre.h"

#include <algorithm>

#include "shell/view_state.h"

namespace ezo {

namespace {

// Offset of the view's leading edge for the view centre at `half` pixels
// in, keeping the picture point under it while the scale goes from
// oldScale to newScale (both the picture side times a zoom).
int32_t KeepCentre(int32_t offset, int32_t half, float newScale, float oldScale) {
    if (!(oldScale > 0.0f)) return TruncToInt((newScale - float(2 * half)) * 0.5f);
    const float centre = float(int64_t(offset) + half);
    return ClampToInt(int64_t(TruncToInt(centre * newScale / oldScale)) - half);
}

// max(0, min(c, limit)) in single precision, truncated.
int32_t ClampOffset(int32_t c, float limit) {
    return TruncToInt(std::max(0.0f, std::min(float(c), limit)));
}

}  // namespace

Offsets CentredOffsets(int32_t W, int32_t H, float zoom) {
    Offsets o;
    const float sW = float(W) * zoom;
    const float sH = float(H) * zoom;
    if (sH > float(kScreenHeight)) o.y = TruncToInt((sH - float(kScreenHeight)) * 0.5f);
    if (sW > float(kScreenWidth)) o.x = TruncToInt((sW - float(kScreenWidth)) * 0.5f);
    return o;
}

Offsets RecentredOffsets(int32_t W, int32_t H, float zoom, float previousZoom, Offsets current,
                         const ViewMode& mode) {
    const int32_t vh = PictureAreaHeight(mode);
    const float sW = float(W) * zoom;
    const float sH = float(H) * zoom;
    int32_t cx = KeepCentre(current.x, kScreenWidth / 2, sW, float(W) * previousZoom);
    int32_t cy = KeepCentre(current.y, vh / 2, sH, float(H) * previousZoom);
    if (sW < float(kScreenWidth)) cx = 0;
    if (sH < float(kScreenHeight)) cy = 0;
    return Offsets{ClampOffset(cx, sW - float(kScreenWidth)), ClampOffset(cy, sH - float(vh))};
}

void RecentreView(ViewState& v, int keepCentre) {
    const gdi::Bitmap* image = v.currentImage.get();
    if (!image || !keepCentre) {
        v.xOffset = 0;
        v.yOffset = 0;
        v.panLastX = 0;
        v.panLastY = 0;
        if (!image) return;
        const Offsets o = CentredOffsets(image->width(), image->height(), v.zoom);
        v.xOffset = o.x;
        v.yOffset = o.y;
        return;
    }
    const ViewMode mode{v.fullScreen != 0, v.titleBarHidden != 0, v.flipBits};
    const Offsets o = RecentredOffsets(image->width(), image->height(), v.zoom, v.previousZoom,
                                       Offsets{v.xOffset, v.yOffset}, mode);
    v.xOffset = o.x;
    v.yOffset = o.y;
}

}  // namespace ezo

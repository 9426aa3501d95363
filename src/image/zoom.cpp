#include "image/zoom.h"

#include "image/draw_view.h"
#include "image/render_layout.h"
#include "image/view_recentre.h"
#include "shell/program.h"

namespace ezo {

// The thresholds compared as double are so on purpose: a float zoom near
// 0.4 or 0.3 lies just above the double constant and takes one more step.
float NextZoomIn(float zoom, bool isLarge) {
    const double z = zoom;
    if (isLarge && z < 0.2) return zoom + 0.03f;
    if (z < 0.6) return zoom + 0.1f;
    if (zoom < 1.0f) return zoom + 0.2f;
    if (zoom < 3.0f) return zoom + 0.5f;
    if (zoom < 7.0f) return zoom + 1.0f;
    return zoom;
}

float NextZoomOut(float zoom, bool isLarge, float fitZoom) {
    const double z = zoom;
    if (z > 3.6) return zoom - 1.0f;
    if (z > 1.4) return zoom - 0.5f;
    if (z > 0.7) return zoom - 0.2f;
    if (isLarge) {
        if (zoom > fitZoom) return z > 0.3 ? zoom - 0.1f : zoom - 0.03f;
        return zoom;
    }
    if (z > 0.4) return zoom - 0.1f;
    return zoom;
}

bool DrawnAtZeroSize(int32_t width, int32_t height, float zoom) {
    return TruncToInt(float(width) * zoom) < 1 || TruncToInt(float(height) * zoom) < 1;
}

namespace {

void StepZoom(ViewState& viewState, float next) {
    viewState.fitToggle = 0;
    viewState.previousZoom = viewState.zoom;
    viewState.zoom = next;
    RecentreView(viewState, 1);
}

}  // namespace

void ZoomIn(device::HWND window) {
    ViewState& viewState = ProgramOf(window).viewState;
    StepZoom(viewState, NextZoomIn(viewState.zoom, viewState.isLarge != 0));
    device::InvalidateRect(window, nullptr, false);
}

void ZoomOut(device::HWND window) {
    ViewState& viewState = ProgramOf(window).viewState;
    float next = NextZoomOut(viewState.zoom, viewState.isLarge != 0, viewState.fitZoom);
    // The fine steps of a very large picture can overshoot its fit zoom down
    // to nothing; such a step is not taken and the picture stays in sight.
    const gdi::Bitmap* image = viewState.currentImage.get();
    if (image && DrawnAtZeroSize(image->width(), image->height(), next)) next = viewState.zoom;
    StepZoom(viewState, next);
    DrawView(window, 0, 0);
}

void ZoomActual(device::HWND window) {
    ViewState& viewState = ProgramOf(window).viewState;
    viewState.fitToggle = 0;
    viewState.zoom = 1.0f;
    RecentreView(viewState, 0);
    DrawView(window, 0, 0);
}

void ToggleFit(device::HWND window) {
    ViewState& viewState = ProgramOf(window).viewState;
    viewState.fitToggle = !viewState.fitToggle;
    viewState.zoom = 1.0f;
    RecentreView(viewState, 0);
    DrawView(window, 0, 0);
}

}  // namespace ezo

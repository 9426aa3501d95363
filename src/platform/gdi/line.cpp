// Pens and lines: MoveToEx/LineTo, Polyline and the line drawing modes.
#include <algorithm>
#include <cstdlib>

#include "platform/gdi/paint.h"
#include "platform/gdi/raster.h"

namespace gdi {

namespace {

// Draws from `from` towards `to`, the end point excluded. Pixel k along the
// major axis sits at minor offset round(k * |dMinor| / |dMajor|) (halves
// away from the start), which is Bresenham's choice. A pen w wide draws a
// w-pixel run across the major axis at each step, so no pixel is touched
// twice and an inverting line drawn twice restores what was under it. Only
// the steps inside the clip are walked.
void DrawLine(HDC dc, POINT from, POINT to) {
    if (!dc->bitmap || !dc->pen) return;
    const int64_t dx = int64_t(to.x) - from.x, dy = int64_t(to.y) - from.y;
    if (dx == 0 && dy == 0) return;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const int64_t major0 = xMajor ? from.x : from.y, minor0 = xMajor ? from.y : from.x;
    const int64_t dMajor = xMajor ? dx : dy, dMinor = xMajor ? dy : dx;
    const int64_t n = std::llabs(dMajor), m = std::llabs(dMinor);
    const int64_t majorStep = dMajor > 0 ? 1 : -1, minorStep = dMinor >= 0 ? 1 : -1;

    // Steps whose major coordinate lies inside the drawable part.
    const RECT clip = dc->drawableRect();
    if (clip.empty()) return;
    const int64_t low = xMajor ? int64_t(clip.left) - dc->origin.x : int64_t(clip.top) - dc->origin.y;
    const int64_t high = low + (xMajor ? clip.width() : clip.height());
    int64_t first = majorStep > 0 ? low - major0 : major0 - high + 1;
    int64_t last = majorStep > 0 ? high - major0 : major0 - low + 1;
    first = std::max<int64_t>(first, 0);
    last = std::min(last, n);
    if (first >= last) return;

    // minor offset = floor((2km + n) / 2n), stepped with its remainder.
    const __int128 numerator = __int128(2) * first * m + n;
    int64_t offset = int64_t(numerator / (2 * n));
    int64_t remainder = int64_t(numerator % (2 * n));

    const int64_t width = std::max<int32_t>(dc->pen->width, 1);
    const int64_t before = width / 2;
    const Rgb color = ToRgb(dc->pen->color);
    for (int64_t k = first; k < last; ++k) {
        const int64_t major = major0 + majorStep * k;
        const int64_t minor = minor0 + minorStep * offset - before;
        const RECT area = xMajor ? DeviceRect(*dc, major, minor, major + 1, minor + width)
                                 : DeviceRect(*dc, minor, major, minor + width, major + 1);
        PaintPixels(*dc->bitmap, area, dc->rop2, color);
        remainder += 2 * m;
        if (remainder >= 2 * n) {
            remainder -= 2 * n;
            ++offset;
        }
    }
}

}  // namespace

PenPtr CreatePen(int, int32_t width, COLORREF color) {
    return std::make_unique<Pen>(Pen{color & 0xFFFFFF, std::max<int32_t>(width, 1), false});
}

int SetROP2(HDC dc, int mode) {
    if (!dc || (mode != R2_COPYPEN && mode != R2_NOT)) return 0;
    const int previous = dc->rop2;
    dc->rop2 = mode;
    return previous;
}

bool MoveToEx(HDC dc, int32_t x, int32_t y, POINT* previous) {
    if (!dc) return false;
    if (previous) *previous = dc->penPosition;
    dc->penPosition = POINT{x, y};
    return true;
}

bool LineTo(HDC dc, int32_t x, int32_t y) {
    if (!dc) return false;
    DrawLine(dc, dc->penPosition, POINT{x, y});
    dc->penPosition = POINT{x, y};
    return true;
}

bool Polyline(HDC dc, const POINT* points, int count) {
    if (!dc || !points || count < 2) return false;
    for (int i = 0; i + 1 < count; ++i) DrawLine(dc, points[i], points[i + 1]);
    return true;
}

}  // namespace gdi

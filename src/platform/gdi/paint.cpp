#include "platform/gdi/paint.h"

#include <algorithm>
#include <limits>

#include "platform/gdi/raster.h"

namespace gdi {

namespace {

// A logical rectangle in 64 bits, so that shrinking and pen offsets never
// overflow.
struct Box {
    int64_t left, top, right, bottom;
};

void Paint(HDC dc, const Box& box, int rop2, Rgb color) {
    if (!dc->bitmap) return;
    PaintPixels(*dc->bitmap, DeviceRect(*dc, box.left, box.top, box.right, box.bottom), rop2, color);
}

int32_t ClampToInt32(int64_t v) {
    return int32_t(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// The handheld's 3-D colours.
constexpr Rgb kHighlight{255, 255, 255};
constexpr Rgb kDarkShadow{0, 0, 0};
constexpr Rgb kButtonFace{192, 192, 192};
constexpr Rgb kShadow{128, 128, 128};

// One ring of an edge, one pixel wide, on the sides named in flags; box
// shrinks by it. Bottom and right go last so that the corners they share with
// top and left take the bottom-right colour.
void DrawRing(HDC dc, Box& box, uint32_t flags, Rgb topLeft, Rgb bottomRight) {
    if (flags & BF_TOP) Paint(dc, {box.left, box.top, box.right, box.top + 1}, R2_COPYPEN, topLeft);
    if (flags & BF_LEFT) Paint(dc, {box.left, box.top, box.left + 1, box.bottom}, R2_COPYPEN, topLeft);
    if (flags & BF_BOTTOM) Paint(dc, {box.left, box.bottom - 1, box.right, box.bottom}, R2_COPYPEN, bottomRight);
    if (flags & BF_RIGHT) Paint(dc, {box.right - 1, box.top, box.right, box.bottom}, R2_COPYPEN, bottomRight);
    if (flags & BF_TOP) ++box.top;
    if (flags & BF_LEFT) ++box.left;
    if (flags & BF_BOTTOM) --box.bottom;
    if (flags & BF_RIGHT) --box.right;
}

}  // namespace

BrushPtr CreateSolidBrush(COLORREF color) { return std::make_unique<Brush>(Brush{color & 0xFFFFFF, false}); }

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    if (!dc || !rect) return 0;
    if (!dc->bitmap || !brush) return 1;
    FillPixels(*dc->bitmap, DeviceRect(*dc, rect->left, rect->top, rect->right, rect->bottom), ToRgb(brush->color));
    return 1;
}

bool PatBlt(HDC dc, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t rop) {
    if (!dc) return false;
    if (rop != PATCOPY && rop != DSTINVERT && rop != BLACKNESS && rop != WHITENESS) return false;
    PaintDestination(*dc, x, y, w, h, rop);
    return true;
}

bool Rectangle(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (!dc) return false;
    Box box{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
    const Rgb brushColor = dc->brush ? ToRgb(dc->brush->color) : Rgb{};
    if (!dc->pen) {
        // Without an outline the fill stops one pixel short of right and bottom.
        if (dc->brush) Paint(dc, {box.left, box.top, box.right - 1, box.bottom - 1}, dc->rop2, brushColor);
        return true;
    }
    // The outline is the pen centred on the one-pixel frame left .. right - 1,
    // top .. bottom - 1; the brush fills what it encloses.
    const int64_t width = std::max<int32_t>(dc->pen->width, 1);
    const int64_t before = width / 2;
    const Box outer{box.left - before, box.top - before, box.right - 1 - before + width,
                    box.bottom - 1 - before + width};
    const Box inner{box.left - before + width, box.top - before + width, box.right - 1 - before,
                    box.bottom - 1 - before};
    const Rgb penColor = ToRgb(dc->pen->color);
    if (inner.left >= inner.right || inner.top >= inner.bottom) {
        Paint(dc, outer, dc->rop2, penColor);
        return true;
    }
    // Four bands that do not overlap, so an inverting outline inverts once.
    Paint(dc, {outer.left, outer.top, outer.right, inner.top}, dc->rop2, penColor);
    Paint(dc, {outer.left, inner.bottom, outer.right, outer.bottom}, dc->rop2, penColor);
    Paint(dc, {outer.left, inner.top, inner.left, inner.bottom}, dc->rop2, penColor);
    Paint(dc, {inner.right, inner.top, outer.right, inner.bottom}, dc->rop2, penColor);
    if (dc->brush) Paint(dc, inner, dc->rop2, brushColor);
    return true;
}

bool DrawEdge(HDC dc, RECT* rect, uint32_t edge, uint32_t flags) {
    if (!dc || !rect) return false;
    Box box{rect->left, rect->top, rect->right, rect->bottom};
    const uint32_t outer = edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER);
    const uint32_t inner = edge & (BDR_RAISEDINNER | BDR_SUNKENINNER);
    if (outer & BDR_RAISEDOUTER)
        DrawRing(dc, box, flags, kHighlight, kDarkShadow);
    else if (outer)
        DrawRing(dc, box, flags, kDarkShadow, kHighlight);
    if (inner & BDR_RAISEDINNER)
        DrawRing(dc, box, flags, kButtonFace, kShadow);
    else if (inner)
        DrawRing(dc, box, flags, kShadow, kButtonFace);
    if (flags & BF_MIDDLE) Paint(dc, box, R2_COPYPEN, kButtonFace);
    if (flags & BF_ADJUST)
        *rect = RECT{ClampToInt32(box.left), ClampToInt32(box.top), ClampToInt32(box.right), ClampToInt32(box.bottom)};
    return true;
}

}  // namespace gdi

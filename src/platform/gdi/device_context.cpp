#include "platform/gdi/device_context.h"

namespace gdi {

namespace {
Brush stockBrushes[] = {
    {RGB(255, 255, 255), true}, {RGB(192, 192, 192), true}, {RGB(128, 128, 128), true},
    {RGB(64, 64, 64), true},    {RGB(0, 0, 0), true},
};
Pen stockPens[] = {{RGB(255, 255, 255), 1, true}, {RGB(0, 0, 0), 1, true}};
}  // namespace

HBRUSH GetStockBrush(StockObject which) {
    if (which >= WHITE_BRUSH && which <= BLACK_BRUSH) return &stockBrushes[which];
    return nullptr;  // NULL_BRUSH: fills draw nothing
}

HPEN GetStockPen(StockObject which) {
    if (which == WHITE_PEN) return &stockPens[0];
    if (which == BLACK_PEN) return &stockPens[1];
    return nullptr;  // NULL_PEN: lines draw nothing
}

RECT DeviceContext::drawableRect() const {
    if (!bitmap) return RECT{};
    RECT whole{0, 0, bitmap->width(), bitmap->height()};
    return clip.empty() ? whole : IntersectRect(whole, clip);
}

DeviceContextPtr CreateCompatibleDC(HDC) {
    auto dc = std::make_unique<DeviceContext>();
    dc->brush = GetStockBrush(WHITE_BRUSH);
    dc->pen = GetStockPen(BLACK_PEN);
    return dc;
}

int GetDeviceCaps(HDC, int index) { return index == BITSPIXEL ? kScreenBitsPerPixel : 0; }

int SetStretchBltMode(HDC dc, int mode) {
    if (!dc || (mode != COLORONCOLOR && mode != HALFTONE)) return 0;
    const int previous = dc->stretchMode;
    dc->stretchMode = mode;
    return previous;
}

HBITMAP SelectObject(HDC dc, HBITMAP bitmap) {
    if (!dc) return nullptr;
    HBITMAP previous = dc->bitmap;
    dc->bitmap = bitmap;
    return previous;
}

HBRUSH SelectObject(HDC dc, HBRUSH brush) {
    if (!dc) return nullptr;
    HBRUSH previous = dc->brush;
    dc->brush = brush;
    return previous;
}

HPEN SelectObject(HDC dc, HPEN pen) {
    if (!dc) return nullptr;
    HPEN previous = dc->pen;
    dc->pen = pen;
    return previous;
}

}  // namespace gdi

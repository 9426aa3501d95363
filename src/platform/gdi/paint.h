#pragma once
// Fills, lines and edges into a device context.
#include <cstdint>

#include "platform/gdi/device_context.h"

namespace gdi {

BrushPtr CreateSolidBrush(COLORREF color);
// Every pen draws solid; width < 1 counts as 1. A pen w wide draws a line w
// pixels thick, centred on it (the extra pixel of an even width goes up or
// left).
constexpr int PS_SOLID = 0;
PenPtr CreatePen(int style, int32_t width, COLORREF color);

// Fills rect (logical coordinates) with brush; a null brush draws nothing.
// Returns 0 only for a missing context or rectangle.
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
// PATCOPY fills with the selected brush, DSTINVERT inverts, BLACKNESS and
// WHITENESS fill; a negative extent counts back from x (y). Any other rop
// fails.
bool PatBlt(HDC dc, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t rop);

// Line drawing mode: R2_COPYPEN draws the pen's colour, R2_NOT inverts the
// pixels under the line (drawing the same line twice restores them). Applies
// to lines and to Rectangle. Returns the previous mode, or 0 (and nothing
// changes) for any other mode.
int SetROP2(HDC dc, int mode);
bool MoveToEx(HDC dc, int32_t x, int32_t y, POINT* previous);
// Draws from the current position to (x, y), excluding the end point.
bool LineTo(HDC dc, int32_t x, int32_t y);
// Lines through the points, the last point excluded; the current position
// is neither used nor moved.
bool Polyline(HDC dc, const POINT* points, int count);
// Outlines left .. right - 1, top .. bottom - 1 with the pen and fills the
// inside with the brush; without a pen the fill covers left .. right - 2,
// top .. bottom - 2, as on the handheld.
bool Rectangle(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom);

constexpr uint32_t BDR_RAISEDOUTER = 0x0001;
constexpr uint32_t BDR_SUNKENOUTER = 0x0002;
constexpr uint32_t BDR_RAISEDINNER = 0x0004;
constexpr uint32_t BDR_SUNKENINNER = 0x0008;
constexpr uint32_t EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr uint32_t EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr uint32_t EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr uint32_t EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
constexpr uint32_t BF_LEFT = 0x0001;
constexpr uint32_t BF_TOP = 0x0002;
constexpr uint32_t BF_RIGHT = 0x0004;
constexpr uint32_t BF_BOTTOM = 0x0008;
constexpr uint32_t BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr uint32_t BF_MIDDLE = 0x0800;
constexpr uint32_t BF_ADJUST = 0x2000;

// A 3-D edge in the handheld's light and shadow colours, one-pixel rings on
// the sides named by BF_LEFT/TOP/RIGHT/BOTTOM. Outer ring: raised is white
// top/left and black bottom/right, sunken the reverse. Inner ring: raised is
// light grey (192) top/left and grey (128) bottom/right, sunken the reverse.
// Bottom and right own the corners they share with top and left. BF_MIDDLE
// fills what the rings leave with the button face (192); with BF_ADJUST rect
// shrinks by the edge drawn.
bool DrawEdge(HDC dc, RECT* rect, uint32_t edge, uint32_t flags);

}  // namespace gdi

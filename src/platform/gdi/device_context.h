#pragma once
// Device contexts: where drawing goes. A memory context draws into the bitmap
// selected into it; a window's context draws into the window's backing store,
// shifted to the window's place and clipped to it. The screen context (a null
// window) has no pixels of its own and serves to create compatible objects.
#include <cstdint>
#include <memory>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/types.h"

namespace gdi {

struct Brush {
    COLORREF color = 0;
    bool stock = false;
};
struct Pen {
    COLORREF color = 0;
    int32_t width = 1;
    bool stock = false;
};
using BrushPtr = std::unique_ptr<Brush>;
using PenPtr = std::unique_ptr<Pen>;
using HBRUSH = Brush*;
using HPEN = Pen*;

enum StockObject { WHITE_BRUSH = 0, LTGRAY_BRUSH = 1, GRAY_BRUSH = 2, DKGRAY_BRUSH = 3, BLACK_BRUSH = 4,
                   NULL_BRUSH = 5, WHITE_PEN = 6, BLACK_PEN = 7, NULL_PEN = 8 };
HBRUSH GetStockBrush(StockObject which);
HPEN GetStockPen(StockObject which);

// Bits per pixel the device reports for its screen; the platform decoder
// produces bitmaps of this depth.
constexpr int32_t kScreenBitsPerPixel = 16;
constexpr int BITSPIXEL = 12;

// Stretch modes: COLORONCOLOR samples the nearest source pixel; HALFTONE
// averages the source pixels each destination pixel covers when a transfer
// shrinks (scaling up or 1:1 stays the exact nearest-pixel copy).
constexpr int COLORONCOLOR = 3;
constexpr int HALFTONE = 4;

class DeviceContext {
public:
    // A memory context: nothing selected, origin 0, no clip beyond the bitmap.
    DeviceContext() = default;
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    // The bitmap drawn into (none: drawing does nothing).
    Bitmap* bitmap = nullptr;
    // Where logical (0, 0) lies in the bitmap, and the part of the bitmap that
    // may be drawn (in bitmap pixels). An empty clip means the whole bitmap.
    POINT origin{};
    RECT clip{};
    HBRUSH brush = nullptr;
    HPEN pen = nullptr;
    int rop2 = R2_COPYPEN;
    POINT penPosition{};
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF backgroundColor = RGB(255, 255, 255);
    bool transparentText = false;
    // How StretchBlt shrinks into this context (COLORONCOLOR or HALFTONE).
    int stretchMode = COLORONCOLOR;

    // The drawable part of the bitmap in bitmap pixels (empty without one).
    RECT drawableRect() const;
};

using DeviceContextPtr = std::unique_ptr<DeviceContext>;

// A memory context compatible with dc (or with the screen for null).
DeviceContextPtr CreateCompatibleDC(HDC dc);
int GetDeviceCaps(HDC dc, int index);
// Sets the stretch mode; returns the previous one, 0 for a bad argument.
int SetStretchBltMode(HDC dc, int mode);

// Selection returns what was selected before, as on the handheld.
HBITMAP SelectObject(HDC dc, HBITMAP bitmap);
HBRUSH SelectObject(HDC dc, HBRUSH brush);
HPEN SelectObject(HDC dc, HPEN pen);

// Selects an object for a scope and puts the previous one back.
template <typename Handle>
class SelectScope {
public:
    SelectScope(HDC dc, Handle object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectScope() { SelectObject(dc_, previous_); }
    SelectScope(const SelectScope&) = delete;
    SelectScope& operator=(const SelectScope&) = delete;

private:
    HDC dc_;
    Handle previous_;
};

}  // namespace gdi

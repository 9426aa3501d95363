#include "image/turn.h"

#include <algorithm>
#include <cstring>

#include "shell/program.h"
#include "shell/resource_ids.h"
#include "shell/shell_windows.h"

namespace ezo {

namespace {

struct Rgb555 {
    static constexpr int kBytes = 2;
    static void Convert(const uint8_t* in, uint8_t* out) {
        const unsigned v = unsigned(in[0]) | (unsigned(in[1]) << 8);
        out[0] = uint8_t((v & 0x1F) << 3);
        out[1] = uint8_t(((v >> 5) & 0x1F) << 3);
        out[2] = uint8_t(((v >> 10) & 0x1F) << 3);
    }
};

struct Bgr24 {
    static constexpr int kBytes = 3;
    static void Convert(const uint8_t* in, uint8_t* out) { std::memcpy(out, in, 3); }
};

// Square tiles keep both the source rows and the destination rows being
// touched in the cache; the result is the same as a plain per-pixel loop.
constexpr int32_t kTile = 64;

// Source (x, y) goes to (H - 1 - y, x) clockwise and to (y, W - 1 - x)
// counter-clockwise, coordinates from the top-left corner.
template <typename Pixel>
void TurnTiled(const gdi::Bitmap& source, gdi::Bitmap& destination, bool clockwise) {
    const int32_t W = source.width();
    const int32_t H = source.height();
    const uint8_t* rows[kTile];
    for (int32_t ty = 0; ty < H; ty += kTile) {
        const int32_t yEnd = std::min(H, ty + kTile);
        for (int32_t y = ty; y < yEnd; ++y) rows[y - ty] = source.row(y);
        for (int32_t tx = 0; tx < W; tx += kTile) {
            const int32_t xEnd = std::min(W, tx + kTile);
            // Each source column of the tile is part of one destination row.
            for (int32_t x = tx; x < xEnd; ++x) {
                uint8_t* out = destination.row(clockwise ? x : W - 1 - x);
                const size_t in = size_t(x) * Pixel::kBytes;
                for (int32_t y = ty; y < yEnd; ++y) {
                    const int32_t column = clockwise ? H - 1 - y : y;
                    Pixel::Convert(rows[y - ty] + in, out + size_t(column) * 3);
                }
            }
        }
    }
}

gdi::BitmapPtr CreateTurnedBitmap(gdi::HDC dc, int32_t width, int32_t height) {
    gdi::BITMAPINFO info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // positive: bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = gdi::BI_RGB;
    void* bits = nullptr;
    return gdi::CreateDIBSection(dc, &info, gdi::DIB_RGB_COLORS, &bits);
}

}  // namespace

bool TurnPixels(const gdi::Bitmap& source, gdi::Bitmap& destination, bool clockwise) {
    if (destination.bitsPerPixel() != 24 || !destination.programVisible() || !source.programVisible())
        return false;
    if (destination.width() != source.height() || destination.height() != source.width()) return false;
    switch (source.bitsPerPixel()) {
    case 16:
        TurnTiled<Rgb555>(source, destination, clockwise);
        return true;
    case 24:
        TurnTiled<Bgr24>(source, destination, clockwise);
        return true;
    default:
        return false;
    }
}

void SwitchLandscapeOff(Program& program) {
    if (!program.viewState.landscapeMode) return;
    program.viewState.landscapeMode = 0;
    CheckToolMenus(program.shell, IDM_LANDSCAPE, false);
}

int TurnImage(device::HWND window, gdi::HDC dc, int clockwise) {
    Program& program = ProgramOf(window);
    ViewState& viewState = program.viewState;
    const gdi::Bitmap* current = viewState.currentImage.get();
    if (!current || !current->programVisible()) return 0;
    const int32_t depth = current->bitsPerPixel();
    if (depth != 16 && depth != 24) return 0;

    // Both bitmaps exist during the turn; the old one goes only once the new
    // one is complete.
    gdi::BitmapPtr turned = CreateTurnedBitmap(dc, current->height(), current->width());
    if (!turned) {
        device::SetCursor(device::Cursor::Arrow);
        // A picture already turned for landscape stays so, and landscape
        // with it: switching it off here would leave a turned picture that
        // the next landscape turns a second time.
        if (!viewState.landscapeApplied) SwitchLandscapeOff(program);
        device::MessageBox(window, kTurnNoMemoryText, kTurnNoMemoryCaption,
                           device::MB_ICONSTOP | device::MB_OK);
        return 0;
    }
    TurnPixels(*current, *turned, clockwise != 0);
    viewState.currentImage = std::move(turned);
    return 1;
}

}  // namespace ezo

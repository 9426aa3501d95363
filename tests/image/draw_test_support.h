#pragma once
// Test support for the picture view: a window backend that records what the
// drawing code asks of it and draws into a readable backing store, and small
// pictures put straight into the current-image slot.
#include <cstdint>
#include <string>
#include <vector>

#include "image/view_state.h"
#include "platform/device/window_api.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/types.h"

namespace draw_test {

struct MessageRecord {
    std::u16string text;
    std::u16string caption;
    unsigned type = 0;
};

// Installed for its lifetime. The window is `width` x `height`; its context
// draws into a 24-bit top-down backing store.
class RecordingBackend final : public device::Backend {
public:
    explicit RecordingBackend(int32_t width = 240, int32_t height = 268);
    ~RecordingBackend() override;

    gdi::HDC GetDC(device::HWND window) override;
    void ReleaseDC(device::HWND window, gdi::HDC dc) override;
    bool GetClientRect(device::HWND window, gdi::RECT* rect) override;
    int MessageBox(device::HWND owner, std::u16string_view text, std::u16string_view caption,
                   unsigned type) override;
    void SetCursor(device::Cursor cursor) override;
    bool InvalidateRect(device::HWND window, const gdi::RECT* rect, bool erase) override;
    bool UpdateWindow(device::HWND window) override;

    // The backing store's pixel at (x, y) as 0x00BBGGRR.
    gdi::COLORREF Pixel(int32_t x, int32_t y) const;
    void Fill(gdi::COLORREF color);

    gdi::BitmapPtr store;
    gdi::RECT client;
    int contextsOut = 0;    // taken and not yet released
    int contextsTaken = 0;
    int invalidations = 0;
    std::vector<MessageRecord> messages;
    std::vector<device::Cursor> cursors;

private:
    device::Backend* previous_ = nullptr;
};

// A picture of the given depth (16 or 24 bits, bottom-up unless topDown)
// painted with colour(x, y), given as 0x00BBGGRR (16-bit pictures keep the
// top five bits of each channel).
template <typename ColourOf>
gdi::BitmapPtr MakePicture(int32_t width, int32_t height, int bitsPerPixel, ColourOf colour,
                           bool topDown = false);

gdi::BitmapPtr MakeBlankPicture(int32_t width, int32_t height, int bitsPerPixel, bool topDown = false);
void SetPixelAt(gdi::Bitmap& bitmap, int32_t x, int32_t y, gdi::COLORREF colour);
gdi::COLORREF PixelAt(const gdi::Bitmap& bitmap, int32_t x, int32_t y);

template <typename ColourOf>
gdi::BitmapPtr MakePicture(int32_t width, int32_t height, int bitsPerPixel, ColourOf colour,
                           bool topDown) {
    gdi::BitmapPtr bitmap = MakeBlankPicture(width, height, bitsPerPixel, topDown);
    if (!bitmap) return bitmap;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) SetPixelAt(*bitmap, x, y, colour(x, y));
    return bitmap;
}

// Empties viewState (the slot too) for a test and again at its end.
class FreshViewState {
public:
    FreshViewState() { ezo::viewState = ezo::ViewState{}; }
    ~FreshViewState() { ezo::viewState = ezo::ViewState{}; }
};

}  // namespace draw_test

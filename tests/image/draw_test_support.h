#pragma once
// A window backend that records what the drawing code asks of it and draws
// into a readable 24-bit store, and small pictures for the current-image slot.
#include <string>
#include <vector>

#include "platform/device/window_api.h"
#include "platform/gdi/bitmap.h"

namespace draw_test {

// A 16-, 24- or 32-bit picture (bottom-up unless topDown) painted with
// colour(x, y); 16-bit pictures keep the top five bits of each channel.
template <typename ColourOf>
gdi::BitmapPtr MakePicture(int32_t w, int32_t h, int bits, ColourOf colour, bool topDown = false) {
    gdi::BITMAPINFO info{};
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = topDown ? -h : h;
    info.bmiHeader.biBitCount = uint16_t(bits);
    gdi::BitmapPtr b = gdi::CreateDIBSection(nullptr, &info, gdi::DIB_RGB_COLORS, nullptr);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            const gdi::COLORREF c = colour(x, y);
            uint8_t* p = b->row(y) + x * (bits / 8);
            const uint8_t r = gdi::GetRValue(c), g = gdi::GetGValue(c), bl = gdi::GetBValue(c);
            if (bits == 16) {
                const unsigned v = (bl >> 3) | ((g >> 3) << 5) | ((r >> 3) << 10);
                p[0] = uint8_t(v), p[1] = uint8_t(v >> 8);
            } else {
                p[0] = bl, p[1] = g, p[2] = r;
            }
        }
    return b;
}

inline gdi::BitmapPtr Blank(int32_t w, int32_t h, int bits = 24) {
    return MakePicture(w, h, bits, [](int, int) { return gdi::COLORREF(0); });
}

inline gdi::COLORREF PixelAt(const gdi::Bitmap& b, int32_t x, int32_t y) {
    const uint8_t* p = b.row(y) + x * (b.bitsPerPixel() / 8);
    if (b.bitsPerPixel() != 16) return gdi::RGB(p[2], p[1], p[0]);
    const unsigned v = p[0] | (p[1] << 8);
    return gdi::RGB(uint8_t((v >> 10) << 3), uint8_t(((v >> 5) & 0x1F) << 3), uint8_t((v & 0x1F) << 3));
}

struct MessageRecord {
    std::u16string text, caption;
    unsigned type;
};

// Installed for its lifetime; the window is 240 x 268 and starts black.
// Without a store (for tests that count memory) its device contexts draw
// nowhere.
class RecordingBackend final : public device::Backend {
public:
    explicit RecordingBackend(bool withStore = true)
        : store(withStore ? MakePicture(240, 268, 24, [](int, int) { return gdi::COLORREF(0); }, true) : nullptr),
          previous_(device::SetBackend(this)) {}
    ~RecordingBackend() override { device::SetBackend(previous_); }

    gdi::HDC GetDC(device::HWND) override {
        ++contextsOut, ++contextsTaken;
        gdi::HDC dc = gdi::CreateCompatibleDC(nullptr).release();
        dc->bitmap = store.get();
        return dc;
    }
    void ReleaseDC(device::HWND, gdi::HDC dc) override { --contextsOut, delete dc; }
    bool GetClientRect(device::HWND, gdi::RECT* rect) override { return *rect = {0, 0, 240, 268}, true; }
    int MessageBox(device::HWND, std::u16string_view text, std::u16string_view caption, unsigned type) override {
        messages.push_back({std::u16string(text), std::u16string(caption), type});
        return device::IDOK;
    }
    void SetCursor(device::Cursor cursor) override { cursors.push_back(cursor); }
    bool InvalidateRect(device::HWND, const gdi::RECT*, bool) override { return ++invalidations, true; }
    bool UpdateWindow(device::HWND) override { return true; }

    gdi::COLORREF Pixel(int32_t x, int32_t y) const { return PixelAt(*store, x, y); }

    gdi::BitmapPtr store;
    int contextsOut = 0;  // taken and not yet released
    int contextsTaken = 0;
    int invalidations = 0;
    std::vector<MessageRecord> messages;
    std::vector<device::Cursor> cursors;

private:
    device::Backend* previous_;
};

}  // namespace draw_test

#include "draw_test_support.h"

#include "platform/gdi/device_context.h"

namespace draw_test {

RecordingBackend::RecordingBackend(int32_t width, int32_t height)
    : store(MakeBlankPicture(width, height, 24, true)), client{0, 0, width, height} {
    previous_ = device::SetBackend(this);
}

RecordingBackend::~RecordingBackend() { device::SetBackend(previous_); }

gdi::HDC RecordingBackend::GetDC(device::HWND) {
    ++contextsOut;
    ++contextsTaken;
    gdi::HDC dc = gdi::CreateCompatibleDC(nullptr).release();
    dc->bitmap = store.get();
    return dc;
}

void RecordingBackend::ReleaseDC(device::HWND, gdi::HDC dc) {
    --contextsOut;
    delete dc;
}

bool RecordingBackend::GetClientRect(device::HWND, gdi::RECT* rect) {
    *rect = client;
    return true;
}

int RecordingBackend::MessageBox(device::HWND, std::u16string_view text, std::u16string_view caption,
                                 unsigned type) {
    messages.push_back({std::u16string(text), std::u16string(caption), type});
    return device::IDOK;
}

void RecordingBackend::SetCursor(device::Cursor cursor) { cursors.push_back(cursor); }

bool RecordingBackend::InvalidateRect(device::HWND, const gdi::RECT*, bool) {
    ++invalidations;
    return true;
}

bool RecordingBackend::UpdateWindow(device::HWND) { return true; }

gdi::COLORREF RecordingBackend::Pixel(int32_t x, int32_t y) const { return PixelAt(*store, x, y); }

void RecordingBackend::Fill(gdi::COLORREF colour) {
    for (int32_t y = 0; y < store->height(); ++y)
        for (int32_t x = 0; x < store->width(); ++x) SetPixelAt(*store, x, y, colour);
}

gdi::BitmapPtr MakeBlankPicture(int32_t width, int32_t height, int bitsPerPixel, bool topDown) {
    gdi::BITMAPINFO info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = topDown ? -height : height;
    info.bmiHeader.biBitCount = uint16_t(bitsPerPixel);
    void* bits = nullptr;
    return gdi::CreateDIBSection(nullptr, &info, gdi::DIB_RGB_COLORS, &bits);
}

void SetPixelAt(gdi::Bitmap& bitmap, int32_t x, int32_t y, gdi::COLORREF colour) {
    const uint8_t r = gdi::GetRValue(colour), g = gdi::GetGValue(colour), b = gdi::GetBValue(colour);
    uint8_t* row = bitmap.row(y);
    switch (bitmap.bitsPerPixel()) {
    case 16: {
        const unsigned v = unsigned(b >> 3) | (unsigned(g >> 3) << 5) | (unsigned(r >> 3) << 10);
        row[2 * x] = uint8_t(v);
        row[2 * x + 1] = uint8_t(v >> 8);
        break;
    }
    case 24:
    case 32: {
        uint8_t* p = row + x * (bitmap.bitsPerPixel() / 8);
        p[0] = b;
        p[1] = g;
        p[2] = r;
        break;
    }
    }
}

gdi::COLORREF PixelAt(const gdi::Bitmap& bitmap, int32_t x, int32_t y) {
    const uint8_t* row = bitmap.row(y);
    switch (bitmap.bitsPerPixel()) {
    case 16: {
        const unsigned v = unsigned(row[2 * x]) | (unsigned(row[2 * x + 1]) << 8);
        return gdi::RGB(uint8_t(((v >> 10) & 0x1F) << 3), uint8_t(((v >> 5) & 0x1F) << 3),
                        uint8_t((v & 0x1F) << 3));
    }
    case 24:
    case 32: {
        const uint8_t* p = row + x * (bitmap.bitsPerPixel() / 8);
        return gdi::RGB(p[2], p[1], p[0]);
    }
    }
    return 0;
}

}  // namespace draw_test

#include "support/demo_window.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

#include "platform/device/activation.h"
#include "platform/device/hot_keys.h"
#include "platform/device/input_rules.h"
#include "platform/device/message_loop.h"
#include "platform/device/painting.h"
#include "platform/device/timers.h"
#include "platform/gdi/paint.h"

namespace device {
namespace {

constexpr int kFirstButtonId = 193;

void FillBox(gdi::HDC dc, int32_t x, int32_t y, int32_t w, int32_t h, gdi::COLORREF color) {
    const gdi::RECT r{x, y, x + w, y + h};
    gdi::BrushPtr brush = gdi::CreateSolidBrush(color);
    gdi::FillRect(dc, &r, brush.get());
}

// Coordinates and key names go on the store through Qt's text rendering.
void DrawLabel(gdi::Bitmap* store, int32_t x, int32_t y, const QString& text) {
    if (!store) return;
    QImage image(store->pixels(), store->width(), store->height(), store->stride(), QImage::Format_RGB32);
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(x, y, text);
}

}  // namespace

LRESULT DemoWindow::WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        for (int n = 1; n <= 5; ++n) RegisterHotKey(this, kFirstButtonId + n - 1, MOD_WIN, AppButtonKey(n));
        SetTimer(this, kDemoTimer, 1000, nullptr);
        return 0;
    case WM_DESTROY:
        KillTimer(this, kDemoTimer);
        PostQuitMessage(0);
        return 0;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetCapture(this);
        down_ = true;
        [[fallthrough]];
    case WM_MOUSEMOVE:
        stylus_ = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        InvalidateWindowRect(this, nullptr, false);
        return 0;
    case WM_LBUTTONUP:
        ReleaseCapture();
        down_ = false;
        stylus_ = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        InvalidateWindowRect(this, nullptr, false);
        return 0;
    case WM_KEYDOWN:
        MoveMarker(uint32_t(wParam));
        return 0;
    case WM_HOTKEY:
        lastButton_ = int(wParam) - kFirstButtonId + 1;
        InvalidateWindowRect(this, nullptr, false);
        return 0;
    case WM_TIMER:
        ++ticks_;
        InvalidateWindowRect(this, nullptr, false);
        return 0;
    default:
        return DefWindowProc(this, msg, wParam, lParam);
    }
}

void DemoWindow::MoveMarker(uint32_t vk) {
    constexpr int32_t step = 8;
    const gdi::RECT& r = data().rect;
    if (vk == VK_LEFT) marker_.x -= step;
    if (vk == VK_RIGHT) marker_.x += step;
    if (vk == VK_UP) marker_.y -= step;
    if (vk == VK_DOWN) marker_.y += step;
    marker_.x = std::clamp(marker_.x, 0, std::max(0, r.width() - kDemoMarkerSize));
    marker_.y = std::clamp(marker_.y, 0, std::max(0, r.height() - kDemoMarkerSize));
    InvalidateWindowRect(this, nullptr, false);
}

void DemoWindow::Paint() {
    PAINTSTRUCT ps;
    gdi::HDC dc = BeginPaint(this, &ps);
    const gdi::RECT& r = data().rect;
    const int32_t w = r.width(), h = r.height();
    FillBox(dc, 0, 0, w, h, gdi::RGB(255, 255, 255));
    // A light grid every 20 pixels.
    for (int32_t x = 0; x < w; x += 20) FillBox(dc, x, 0, 1, h, gdi::RGB(220, 220, 235));
    for (int32_t y = 0; y < h; y += 20) FillBox(dc, 0, y, w, 1, gdi::RGB(220, 220, 235));
    FillBox(dc, marker_.x, marker_.y, kDemoMarkerSize, kDemoMarkerSize, gdi::RGB(0, 96, 192));
    // The blinking square shows the timer running.
    FillBox(dc, w - 14, 4, 10, 10, ticks_ % 2 ? gdi::RGB(220, 40, 40) : gdi::RGB(255, 255, 255));
    if (stylus_.x >= 0) {
        const gdi::COLORREF cross = down_ ? gdi::RGB(200, 0, 0) : gdi::RGB(0, 128, 0);
        FillBox(dc, 0, stylus_.y, w, 1, cross);
        FillBox(dc, stylus_.x, 0, 1, h, cross);
    }
    EndPaint(this, &ps);

    gdi::Bitmap* store = BackingStore(this);
    DrawLabel(store, 6, 14, QStringLiteral("Ezo device"));
    if (stylus_.x >= 0) DrawLabel(store, 6, h - 20, QStringLiteral("stylus %1, %2").arg(stylus_.x).arg(stylus_.y));
    if (lastButton_) DrawLabel(store, 6, h - 6, QStringLiteral("button %1").arg(lastButton_));
}

HWND CreateDemoWindow() {
    return CreateWindowFor(std::make_unique<DemoWindow>(), u"EzoDemo", CS_DBLCLKS, u"Ezo", WS_VISIBLE,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, 0);
}

}  // namespace device

#include "thumbs/no_images.h"

#include <QImage>
#include <QPainter>

#include "platform/device/painting.h"
#include "platform/device/window_api.h"
#include "platform/gdi/paint.h"

namespace ezo {
namespace {

using device::LPARAM;
using device::LRESULT;
using device::WPARAM;

constexpr int kNoticePixelSize = 11;

// The sentence is one line centred across the window, at its top.
void Paint(device::HWND window) {
    device::PAINTSTRUCT ps;
    gdi::HDC dc = device::BeginPaint(window, &ps);
    gdi::RECT client;
    device::GetClientRect(window, &client);
    if (dc) gdi::FillRect(dc, &client, gdi::GetStockBrush(gdi::WHITE_BRUSH));
    device::EndPaint(window, &ps);
    gdi::Bitmap* store = device::BackingStore(window);
    if (!store) return;
    QImage image(store->pixels(), store->width(), store->height(), store->stride(), QImage::Format_RGB32);
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(kNoticePixelSize);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, store->width(), store->height()), Qt::AlignHCenter | Qt::AlignTop,
                     QString::fromUtf16(kNoImagesText));
}

class NoImagesWindow final : public device::Window {
public:
    LRESULT WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) override {
        switch (msg) {
        case device::WM_CREATE:
        case device::WM_LBUTTONDOWN:
            return 0;
        case device::WM_PAINT:
            Paint(this);
            return 0;
        default:
            return device::DefWindowProc(this, msg, wParam, lParam);
        }
    }
};

}  // namespace

std::unique_ptr<device::Window> MakeNoImagesWindow() { return std::make_unique<NoImagesWindow>(); }

}  // namespace ezo

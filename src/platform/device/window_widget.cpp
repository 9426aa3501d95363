#include "platform/device/window_widget.h"

#include <QImage>
#include <QPainter>

#include "platform/device/painting.h"

namespace device {

WindowWidget::WindowWidget(HWND window, QWidget* parent) : QWidget(parent), window_(window) {
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void WindowWidget::paintEvent(QPaintEvent*) {
    if (!window_ || window_->hostedWidget()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    gdi::Bitmap* store = BackingStore(window_);
    if (!store) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    // The store's 32-bit pixels are blue, green, red, unused: RGB32 as Qt reads it.
    const QImage image(store->pixels(), store->width(), store->height(), store->stride(),
                       QImage::Format_RGB32);
    painter.drawImage(QPoint(0, 0), image);
}

void WindowWidget::resizeEvent(QResizeEvent*) {
    if (!window_) return;
    if (QWidget* hosted = window_->hostedWidget()) hosted->setGeometry(rect());
}

}  // namespace device

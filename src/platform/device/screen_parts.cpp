#include "platform/device/screen_parts.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

#include "platform/device/clock.h"
#include "platform/device/screen.h"
#include <QPen>

#include "platform/device/screen_layout.h"

namespace device {
namespace {

const QColor kTaskBarColor(0, 0, 132);

// The start mark: a white ring round a dot, the device's own sign.
void DrawStartIcon(QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(6, 6, 14, 14));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 200, 20));
    painter.drawEllipse(QRectF(10.5, 10.5, 5, 5));
    painter.restore();
}

}  // namespace

TaskBar::TaskBar(QWidget* parent, bool clockIsVirtual) : QWidget(parent), clockIsVirtual_(clockIsVirtual) {
    setGeometry(kTaskBarRect.left, kTaskBarRect.top, kTaskBarRect.width(), kTaskBarRect.height());
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TaskBar::setTitle(const QString& title) {
    if (title == title_) return;
    title_ = title;
    update();
}

void TaskBar::setStartIconShown(bool shown) {
    if (shown == startIcon_) return;
    startIcon_ = shown;
    update();
}

void TaskBar::setNote(const QString& note, uint64_t untilMs) {
    note_ = note;
    noteUntilMs_ = untilMs;
    update();
}

void TaskBar::refreshClock() {
    if (!note_.isEmpty() && DeviceClock().now() >= noteUntilMs_) setNote(QString(), 0);
    if (TaskBarMinutes(clockIsVirtual_, DeviceClock().now()) != minutes_) update();
}

void TaskBar::paintEvent(QPaintEvent*) {
    minutes_ = TaskBarMinutes(clockIsVirtual_, DeviceClock().now());
    QPainter painter(this);
    painter.fillRect(rect(), kTaskBarColor);
    if (startIcon_) DrawStartIcon(painter);
    QFont font = painter.font();
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    const QString time = QString::asprintf("%02d:%02d", minutes_ / 60, minutes_ % 60);
    const QRect timeArea(width() - 44, 0, 40, height());
    painter.drawText(timeArea, Qt::AlignRight | Qt::AlignVCenter, time);
    const QRect titleArea(26, 0, timeArea.left() - 30, height());
    const QString& text = note_.isEmpty() ? title_ : note_;
    painter.drawText(titleArea, Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(text, Qt::ElideRight, titleArea.width()));
}

WaitIndicator::WaitIndicator(QWidget* parent) : QWidget(parent) {
    setGeometry(kWaitIndicatorRect.left, kWaitIndicatorRect.top, kWaitIndicatorRect.width(),
                kWaitIndicatorRect.height());
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void WaitIndicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(64, 64, 64), 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(0.5, 0.5, width() - 1, height() - 1));
    // Eight dots fading round the ring, as the handheld's spinner shows them.
    const QPointF centre(width() / 2.0, height() / 2.0);
    const double radius = width() / 2.0 - 8;
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        const double angle = i * M_PI / 4;
        const int shade = 30 + i * 25;
        painter.setBrush(QColor(shade, shade, 255 - i * 10));
        painter.drawEllipse(centre + QPointF(radius * std::cos(angle), radius * std::sin(angle)), 3, 3);
    }
}

}  // namespace device

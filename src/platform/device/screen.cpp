#include "platform/device/screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTime>
#include <QTimer>

#include <cmath>

#include "platform/device/activation.h"
#include "platform/device/clock.h"
#include "platform/device/input.h"
#include "platform/device/message_loop.h"
#include "platform/device/screen_layout.h"
#include "platform/device/screen_parts.h"
#include "platform/device/window_internal.h"

namespace device {
namespace {

Screen* currentScreen = nullptr;
bool waitShown = false;
constexpr int kVirtualStartMinutes = 12 * 60;

}  // namespace

int TaskBarMinutes(bool clockIsVirtual, uint64_t clockMs) {
    if (!clockIsVirtual) {
        const QTime now = QTime::currentTime();
        return now.hour() * 60 + now.minute();
    }
    return int((kVirtualStartMinutes + clockMs / 60000) % (24 * 60));
}

Screen::Screen(bool clockIsVirtual) {
    currentScreen = this;
    setFixedSize(kScreenWidth, kScreenHeight);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(QStringLiteral("Ezo"));
    taskBar_ = new TaskBar(this, clockIsVirtual);
    wait_ = new WaitIndicator(this);
    qApp->installEventFilter(this);
    if (!clockIsVirtual) {
        clockTimer_ = new QTimer(this);
        connect(clockTimer_, &QTimer::timeout, this, &Screen::refreshClock);
        clockTimer_->start(1000);
    }
}

Screen::~Screen() {
    qApp->removeEventFilter(this);
    if (waitShown) QApplication::restoreOverrideCursor();
    waitShown = false;
    currentScreen = nullptr;
}

Screen* Screen::current() { return currentScreen; }

QImage Screen::grab240() {
    QImage image(kScreenWidth, kScreenHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return image;
}

void Screen::refreshTitle() {
    HWND active = GetActiveWindow();
    const QString title = active ? QString::fromStdU16String(active->data().title) : QString();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Ezo") : title);
    taskBar_->setTitle(title);
}

void Screen::refreshClock() { taskBar_->refreshClock(); }

void Screen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    // The menu-bar band, where the menu bars live.
    const QRect band(kMenuBarRect.left, kMenuBarRect.top, kMenuBarRect.width(), kMenuBarRect.height());
    painter.fillRect(band, QColor(192, 192, 192));
    painter.fillRect(QRect(band.left(), band.top(), band.width(), 1), QColor(128, 128, 128));
}

void Screen::closeEvent(QCloseEvent* event) {
    // Closing the desktop window closes the program's first window.
    event->ignore();
    for (HWND top : TopLevelWindows()) {
        if (top->data().parent) continue;
        PostMessage(top, WM_CLOSE, 0, 0);
        return;
    }
    PostQuitMessage(0);
}

bool Screen::ownsEvent(QObject* watched) const {
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget && widget->window() == this && !ForwardingScope::active();
}

bool Screen::routeMouse(QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPointF at = mapFromGlobal(mouse->globalPosition());
    const gdi::POINT p{int32_t(std::floor(at.x())), int32_t(std::floor(at.y()))};
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:  // our own timing decides what is a double tap
        if (mouse->button() == Qt::LeftButton) input::StylusDown(p);
        if (mouse->button() == Qt::RightButton) input::StylusAlternate(p);
        if (input::HoldDue()) QTimer::singleShot(int(input::kHoldMs) + 1, this, [] { input::CheckHold(); });
        break;
    case QEvent::MouseMove:
        if (mouse->buttons() & Qt::LeftButton) input::StylusMove(p);
        break;
    case QEvent::MouseButtonRelease:
        if (mouse->button() == Qt::LeftButton) input::StylusUp(p);
        break;
    default:
        return false;
    }
    return true;
}

bool Screen::routeWheel(QEvent* event) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    const QPointF at = mapFromGlobal(wheel->globalPosition());
    input::Wheel({int32_t(std::floor(at.x())), int32_t(std::floor(at.y()))}, wheel->angleDelta().y(),
                 wheel->modifiers());
    return true;
}

bool Screen::routeKey(QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::KeyPress)
        input::KeyPress(key->key(), key->modifiers(), key->text());
    else
        input::KeyRelease(key->key(), key->modifiers());
    return true;
}

bool Screen::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        return ownsEvent(watched) && routeMouse(event);
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return ownsEvent(watched) && routeKey(event);
    case QEvent::Wheel:
        return ownsEvent(watched) && routeWheel(event);
    default:
        return false;
    }
}

bool SHFullScreen(HWND, uint32_t flags) {
    Screen* screen = Screen::current();
    if (!screen) return false;
    if (flags & SHFS_HIDETASKBAR) screen->taskBar()->hide();
    if (flags & SHFS_SHOWTASKBAR) screen->taskBar()->show();
    if (flags & SHFS_HIDESTARTICON) screen->taskBar()->setStartIconShown(false);
    if (flags & SHFS_SHOWSTARTICON) screen->taskBar()->setStartIconShown(true);
    return true;
}

bool TaskBarShown() {
    Screen* screen = Screen::current();
    return screen && !screen->taskBar()->isHidden();
}

void ShowTaskBarNote(std::u16string_view text, uint32_t ms) {
    if (Screen* screen = Screen::current())
        screen->taskBar()->setNote(QString::fromStdU16String(std::u16string(text)), DeviceClock().now() + ms);
}

std::u16string TaskBarNote() {
    Screen* screen = Screen::current();
    return screen ? screen->taskBar()->note().toStdU16String() : std::u16string();
}

bool PointOnTaskBar(gdi::POINT p) {
    return TaskBarShown() && p.x >= kTaskBarRect.left && p.x < kTaskBarRect.right &&
           p.y >= kTaskBarRect.top && p.y < kTaskBarRect.bottom;
}

void ShowWaitIndicator(bool show) {
    Screen* screen = Screen::current();
    if (!screen || show == waitShown) return;
    waitShown = show;
    screen->waitIndicator()->setVisible(show);
    if (show) {
        screen->waitIndicator()->raise();
        screen->waitIndicator()->repaint();
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

bool WaitIndicatorShown() { return waitShown; }

namespace internal {

QWidget* ScreenLayer() { return Screen::current(); }

void RaiseScreenOverlays() {
    if (Screen* screen = Screen::current()) {
        screen->taskBar()->raise();
        screen->waitIndicator()->raise();
    }
}

void ActiveWindowChanged() {
    if (Screen* screen = Screen::current()) screen->refreshTitle();
}

void TitleChanged(HWND window) {
    if (GetTopLevel(window) == GetActiveWindow()) ActiveWindowChanged();
}

}  // namespace internal
}  // namespace device

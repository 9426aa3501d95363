#include "platform/device/input.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

#include "platform/device/activation.h"
#include "platform/device/clock.h"
#include "platform/device/hot_keys.h"
#include "platform/device/input_rules.h"
#include "platform/device/message_loop.h"
#include "platform/device/screen.h"
#include "platform/device/window_internal.h"

namespace device::input {
namespace {

struct Hold {
    bool pending = false;
    HWND window = nullptr;
    gdi::POINT point;
    uint64_t downMs = 0;
};

bool stylusDown = false;
bool downOnTaskBar = false;
TaskBarTapHandler taskBarTap;
gdi::POINT downPoint;
TapRecord lastTap;
Hold hold;
HACCEL accelerators = LoadAccelerators(kProgramAccelerators);
// The part of a wheel turn that does not make a whole notch yet (fine
// touch-pad scrolling comes in small steps).
int32_t wheelRest = 0;

int DoubleTapDistance() { return QGuiApplication::styleHints()->mouseDoubleClickDistance(); }
int DoubleTapInterval() { return QGuiApplication::styleHints()->mouseDoubleClickInterval(); }

// Farther than a tap may wander on either axis: the stroke is a drag.
bool MovedFar(gdi::POINT from, gdi::POINT to) {
    return std::abs(int64_t(to.x) - from.x) > DoubleTapDistance() ||
           std::abs(int64_t(to.y) - from.y) > DoubleTapDistance();
}

// A drag is neither a hold nor the first tap of a double tap.
void NoteStylusAt(gdi::POINT screen) {
    if (!MovedFar(downPoint, screen)) return;
    hold.pending = false;
    lastTap = {};
}

// Where a stylus event goes: the capture, else the window under the point
// (none over the task bar while it shows).
HWND StylusTarget(gdi::POINT screen) {
    if (HWND capture = GetCapture()) return capture;
    if (PointOnTaskBar(screen)) return nullptr;
    HWND window = internal::WindowFromPoint(screen);
    return AcceptsInput(window) ? window : nullptr;
}

// Points far off the screen are pulled in, so that no coordinate sum overflows.
gdi::POINT Clamp(gdi::POINT p) {
    constexpr int32_t kLimit = 1 << 24;
    return {std::clamp(p.x, -kLimit, kLimit), std::clamp(p.y, -kLimit, kLimit)};
}

LPARAM ClientPoint(HWND window, gdi::POINT screen) {
    const gdi::POINT p = ScreenToClient(window, screen);
    return MAKELPARAM(p.x, p.y);
}

// A window that shows a Qt widget gets the stylus as Qt mouse events.
void ForwardMouse(HWND window, QEvent::Type type, gdi::POINT screen) {
    QWidget* hosted = window->hostedWidget();
    const gdi::POINT p = ScreenToClient(window, screen);
    QWidget* target = hosted->childAt(p.x, p.y);
    if (!target) target = hosted;
    const QPointF local = target->mapFrom(hosted, QPointF(p.x, p.y));
    const QPointF global = hosted->mapToGlobal(QPointF(p.x, p.y));
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, local, global, Qt::LeftButton, buttons, Qt::NoModifier);
    ForwardingScope scope;
    QApplication::sendEvent(target, &event);
}

void Deliver(HWND window, uint32_t msg, WPARAM wParam, gdi::POINT screen) {
    if (window->hostedWidget()) {
        const QEvent::Type type = msg == WM_MOUSEMOVE      ? QEvent::MouseMove
                                  : msg == WM_LBUTTONUP    ? QEvent::MouseButtonRelease
                                  : msg == WM_LBUTTONDOWN  ? QEvent::MouseButtonPress
                                                           : QEvent::MouseButtonDblClick;
        ForwardMouse(window, type, screen);
        return;
    }
    SendMessage(window, msg, wParam, ClientPoint(window, screen));
}

uint8_t AcceleratorModifiers(Qt::KeyboardModifiers m) {
    return uint8_t((m & Qt::ShiftModifier ? FSHIFT : 0) | (m & Qt::ControlModifier ? FCONTROL : 0) |
                   (m & Qt::AltModifier ? FALT : 0));
}

// The focused window; one that no longer shows passes the keys to the
// active window (the list hidden while a picture is viewed).
HWND KeyTarget() {
    HWND target = GetFocus();
    if (!target || !IsWindowVisible(target)) target = GetActiveWindow();
    return AcceptsInput(target) ? target : nullptr;
}

void ForwardKey(HWND window, QEvent::Type type, int qtKey, Qt::KeyboardModifiers m, const QString& text) {
    QWidget* hosted = window->hostedWidget();
    QWidget* target = hosted->focusWidget() ? hosted->focusWidget() : hosted;
    QKeyEvent event(type, qtKey, m, text);
    ForwardingScope scope;
    QApplication::sendEvent(target, &event);
}

}  // namespace

void StylusDown(gdi::POINT screen) {
    screen = Clamp(screen);
    stylusDown = true;
    downPoint = screen;
    downOnTaskBar = !GetCapture() && PointOnTaskBar(screen);
    HWND window = StylusTarget(screen);
    hold = {};
    if (!window) return;
    ClickActivate(window);
    if (!IsWindow(window)) return;
    const uint64_t now = DeviceClock().now();
    const bool takesDouble = window->data().classStyle & CS_DBLCLKS;
    const bool isDouble = takesDouble && IsDoubleTap(lastTap, now, screen, window, DoubleTapInterval(),
                                                     DoubleTapDistance());
    // The tap after a double tap starts a new pair.
    lastTap = isDouble ? TapRecord{} : TapRecord{true, now, screen, window};
    hold = {true, window, screen, now};
    Deliver(window, isDouble ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON, screen);
}

void StylusMove(gdi::POINT screen) {
    screen = Clamp(screen);
    if (!stylusDown) return;  // a mouse passing over is no stylus
    NoteStylusAt(screen);
    if (HWND window = StylusTarget(screen)) Deliver(window, WM_MOUSEMOVE, MK_LBUTTON, screen);
}

void StylusUp(gdi::POINT screen) {
    screen = Clamp(screen);
    if (!stylusDown) return;
    stylusDown = false;
    NoteStylusAt(screen);
    hold.pending = false;
    const bool taskBarTapped = downOnTaskBar && !GetCapture() && PointOnTaskBar(screen);
    downOnTaskBar = false;
    if (taskBarTapped) {
        if (taskBarTap) taskBarTap(screen);
        return;
    }
    if (HWND window = StylusTarget(screen)) Deliver(window, WM_LBUTTONUP, 0, screen);
}

void StylusAlternate(gdi::POINT screen) {
    screen = Clamp(screen);
    HWND window = StylusTarget(screen);
    if (!window) return;
    const gdi::POINT p = ScreenToClient(window, screen);
    window->StylusHeld(p.x, p.y);
}

bool StylusIsDown() { return stylusDown; }

void Wheel(gdi::POINT screen, int32_t delta, Qt::KeyboardModifiers modifiers) {
    screen = Clamp(screen);
    if (PointOnTaskBar(screen)) return;
    HWND window = internal::WindowFromPoint(screen);
    if (!AcceptsInput(window)) return;
    if (QWidget* hosted = window->hostedWidget()) {
        const gdi::POINT p = ScreenToClient(window, screen);
        QWidget* target = hosted->childAt(p.x, p.y);
        if (!target) target = hosted;
        const QPointF local = target->mapFrom(hosted, QPointF(p.x, p.y));
        QWheelEvent event(local, hosted->mapToGlobal(QPointF(p.x, p.y)), QPoint(), QPoint(0, delta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        ForwardingScope scope;
        QApplication::sendEvent(target, &event);
        return;
    }
    wheelRest += delta;
    const int32_t notches = wheelRest / WHEEL_DELTA;
    if (notches == 0) return;
    wheelRest -= notches * WHEEL_DELTA;
    const WPARAM keys = (modifiers & Qt::ControlModifier) ? MK_CONTROL : 0;
    SendMessage(window, WM_MOUSEWHEEL, MAKEWPARAM(int32_t(keys), notches * WHEEL_DELTA), MAKELPARAM(screen.x, screen.y));
}

std::optional<uint64_t> HoldDue() {
    if (!hold.pending) return std::nullopt;
    return hold.downMs + kHoldMs;
}

void CheckHold() {
    if (!hold.pending || !stylusDown || DeviceClock().now() < hold.downMs + kHoldMs) return;
    hold.pending = false;
    if (!IsWindow(hold.window)) return;
    const gdi::POINT p = ScreenToClient(hold.window, hold.point);
    hold.window->StylusHeld(p.x, p.y);
}

void KeyPress(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
    const uint32_t vk = VirtualKeyFromQt(qtKey);
    HWND target = KeyTarget();
    const bool typingIntoWidget = target && target->hostedWidget();

    // Accelerators work while no modal window runs: chords with Ctrl or Alt,
    // and the few plain keys a table holds (Tab between the panes).
    if (vk && !ModalWindow()) {
        if (auto cmd = FindAccelerator(accelerators, vk, AcceleratorModifiers(modifiers))) {
            if (HWND active = GetActiveWindow()) SendMessage(active, WM_COMMAND, MAKEWPARAM(*cmd, 1), 0);
            return;
        }
    }
    if (int button = AppButtonFromQt(qtKey, modifiers, !typingIntoWidget)) {
        const uint32_t appKey = AppButtonKey(button);
        auto hotKey = FindHotKey(appKey);
        // A modal window keeps the buttons from the windows behind it.
        if (hotKey && AcceptsInput(hotKey->window))
            SendMessage(hotKey->window, WM_HOTKEY, WPARAM(hotKey->id), MAKELPARAM(hotKey->modifiers, appKey));
        return;
    }
    if (!target) return;
    if (typingIntoWidget) {
        ForwardKey(target, QEvent::KeyPress, qtKey, modifiers, text);
        return;
    }
    if (vk) SendMessage(target, WM_KEYDOWN, vk, 1);
    for (QChar c : text)
        if (IsWindow(target) && c.isPrint()) SendMessage(target, WM_CHAR, c.unicode(), 1);
}

void KeyRelease(int qtKey, Qt::KeyboardModifiers modifiers) {
    const uint32_t vk = VirtualKeyFromQt(qtKey);
    HWND target = KeyTarget();
    if (!target || AppButtonFromQt(qtKey, modifiers, !target->hostedWidget())) return;
    if (target->hostedWidget()) {
        ForwardKey(target, QEvent::KeyRelease, qtKey, modifiers, QString());
        return;
    }
    if (vk) SendMessage(target, WM_KEYUP, vk, LPARAM(0xC0000001u));
}

void TypeText(std::u16string_view text) {
    for (char16_t c : text) {
        HWND target = KeyTarget();
        if (!target) return;
        if (target->hostedWidget())
            ForwardKey(target, QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(c)));
        else
            SendMessage(target, WM_CHAR, WPARAM(c), 1);
    }
}

void SetTaskBarTapHandler(TaskBarTapHandler handler) { taskBarTap = std::move(handler); }

void SetAccelerators(HACCEL table) { accelerators = table; }

void ResetInput() {
    stylusDown = false;
    downOnTaskBar = false;
    taskBarTap = {};
    lastTap = {};
    hold = {};
    wheelRest = 0;
    accelerators = LoadAccelerators(kProgramAccelerators);
}

}  // namespace device::input

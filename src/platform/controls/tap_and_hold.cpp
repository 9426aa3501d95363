#include "platform/controls/tap_and_hold.h"

#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "platform/device/clock.h"
#include "platform/device/device.h"
#include "platform/device/input.h"
#include "platform/device/screen.h"
#include "platform/device/timers.h"

namespace controls {
namespace {

constexpr uint32_t kFeedbackStepMs = 50;
constexpr uint64_t kStaleMs = 100;
constexpr int32_t kSlop = 4;
constexpr int kRingBox = 2 * kFeedbackRadius + 8;

// The ring of dots drawn over the screen while the stylus is held.
class FeedbackRing final : public QWidget {
public:
    explicit FeedbackRing(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        resize(kRingBox, kRingBox);
        hide();
    }
    void showAt(gdi::POINT screen, int dots) {
        move(screen.x - kRingBox / 2, screen.y - kRingBox / 2);
        dots_ = dots;
        raise();
        show();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(220, 0, 0));
        const gdi::POINT centre{kRingBox / 2, kRingBox / 2};
        for (int k = 0; k < dots_; ++k) {
            const gdi::POINT p = FeedbackDotPosition(centre, k);
            painter.drawEllipse(QPointF(p.x, p.y), 2.0, 2.0);
        }
    }

private:
    int dots_ = 0;
};

enum class Phase { Idle, Armed, Held };

struct Recognition {
    Phase phase = Phase::Idle;
    device::HWND window = nullptr;
    gdi::POINT point;       // client coordinates
    uint32_t flags = 0;
    uint64_t downMs = 0;
    uintptr_t timer = 0;
    const device::Device* device = nullptr;  // whose timer service holds the timer
};

Recognition recognition;
QPointer<FeedbackRing> ring;
bool playingAlternate = false;

void StopFeedback() {
    // A timer of a device that has gone down went with it.
    if (recognition.timer && recognition.device == device::Device::current())
        device::KillTimer(nullptr, recognition.timer);
    recognition.timer = 0;
    if (ring) ring->hide();
}

void ShowFeedback() {
    if (!device::IsWindow(recognition.window)) return;
    device::Screen* screen = device::Screen::current();
    if (!screen) return;
    if (!ring || ring->parentWidget() != screen) ring = new FeedbackRing(screen);
    const uint64_t elapsed = device::DeviceClock().now() - recognition.downMs;
    ring->showAt(device::ClientToScreen(recognition.window, recognition.point),
                 FeedbackDotCount(elapsed, device::input::kHoldMs));
}

// The stylus lifted or moved away before the hold: the gesture is over.
void FeedbackTick(device::HWND, unsigned, uintptr_t, uint32_t) {
    if (recognition.phase != Phase::Armed || !device::input::StylusIsDown() ||
        !device::input::HoldDue() || !device::IsWindow(recognition.window)) {
        if (recognition.phase == Phase::Armed) recognition.phase = Phase::Idle;
        StopFeedback();
        return;
    }
    ShowFeedback();
}

uint32_t Complete(device::HWND window, int32_t x, int32_t y) {
    if (recognition.phase != Phase::Armed || recognition.window != window) return 0;
    // The hold is reported where its stylus went down. An arm elsewhere, or
    // long ago, belongs to an earlier press whose lift the timer has not seen yet.
    const bool samePlace = std::abs(x - recognition.point.x) <= kSlop && std::abs(y - recognition.point.y) <= kSlop;
    if (!samePlace || device::DeviceClock().now() > recognition.downMs + device::input::kHoldMs + kStaleMs) {
        recognition.phase = Phase::Idle;
        StopFeedback();
        return 0;
    }
    recognition.phase = Phase::Held;
    StopFeedback();
    if (recognition.flags & SHRG_NOTIFYPARENT) {
        NMRGINFO info;
        info.ptAction = device::ClientToScreen(window, {x, y});
        SendNotify(window, &info.hdr, GN_CONTEXTMENU);
    }
    return GN_CONTEXTMENU;
}

}  // namespace

int FeedbackDotCount(uint64_t elapsedMs, uint64_t holdMs) {
    if (holdMs == 0 || elapsedMs >= holdMs) return kFeedbackDots;
    return int(elapsedMs * kFeedbackDots / holdMs);
}

gdi::POINT FeedbackDotPosition(gdi::POINT centre, int k) {
    // Clockwise from twelve o'clock.
    const double angle = 2.0 * std::numbers::pi * (k % kFeedbackDots) / kFeedbackDots;
    return {centre.x + int32_t(std::lround(kFeedbackRadius * std::sin(angle))),
            centre.y - int32_t(std::lround(kFeedbackRadius * std::cos(angle)))};
}

bool GestureFeedbackShown() { return ring && ring->isVisible(); }

uint32_t SHRecognizeGesture(const SHRGINFO* info) {
    if (!info || (info->cbSize != kSHRGINFOSize && info->cbSize != sizeof(SHRGINFO)) ||
        !device::IsWindow(info->hwndClient))
        return 0;
    // Only a stylus that is down and may still be held can become a gesture.
    if (!device::input::StylusIsDown() || !device::input::HoldDue()) return 0;
    StopFeedback();
    recognition = {Phase::Armed, info->hwndClient, info->ptDown, info->dwFlags, device::DeviceClock().now(), 0,
                   device::Device::current()};
    recognition.timer = device::SetTimer(nullptr, 0, kFeedbackStepMs, &FeedbackTick);
    ShowFeedback();
    return 0;
}

uint32_t GestureHeld(device::HWND window, int32_t x, int32_t y) {
    if (!device::IsWindow(window)) return 0;
    if (device::input::StylusIsDown()) return Complete(window, x, y);
    if (playingAlternate) return 0;
    // The alternate button: the stylus goes down (the window arms), is held, and lifts.
    playingAlternate = true;
    const gdi::POINT screen = device::ClientToScreen(window, {x, y});
    device::input::StylusDown(screen);
    const uint32_t result = Complete(window, x, y);
    device::input::StylusUp(screen);
    playingAlternate = false;
    return result;
}

bool GestureWasHeld(device::HWND window) {
    return recognition.phase == Phase::Held && recognition.window == window;
}

}  // namespace controls

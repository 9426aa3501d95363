#pragma once
// The device screen: one 240 x 320 widget, which is also the desktop window
// (scaled by Qt's scale factor, so text stays crisp and pictures are drawn
// pixel for pixel). Top-level device windows are its child widgets; above
// them lie the task bar (top 26 pixels: the active window's title and the
// time) and the busy indicator. The real mouse and keyboard in this window go
// to the input road of the device.
#include <QImage>
#include <QWidget>

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/device/window.h"

class QTimer;

namespace device {

// The shell's full-screen call.
constexpr uint32_t SHFS_SHOWTASKBAR = 0x0001;
constexpr uint32_t SHFS_HIDETASKBAR = 0x0002;
constexpr uint32_t SHFS_SHOWSIPBUTTON = 0x0004;
constexpr uint32_t SHFS_HIDESIPBUTTON = 0x0008;
constexpr uint32_t SHFS_SHOWSTARTICON = 0x0010;
constexpr uint32_t SHFS_HIDESTARTICON = 0x0020;
bool SHFullScreen(HWND window, uint32_t flags);

bool TaskBarShown();
// A short note in the task bar, in place of the title, for ms of the device
// clock; the empty text while none shows.
void ShowTaskBarNote(std::u16string_view text, uint32_t ms);
std::u16string TaskBarNote();
// The point lies on the task bar while the task bar shows.
bool PointOnTaskBar(gdi::POINT screen);
void ShowWaitIndicator(bool show);
bool WaitIndicatorShown();

// While set, the screen lets Qt events through to hosted widgets untouched.
class ForwardingScope {
public:
    ForwardingScope() { ++depth_; }
    ~ForwardingScope() { --depth_; }
    static bool active() { return depth_ > 0; }

private:
    static inline int depth_ = 0;
};

class TaskBar;
class WaitIndicator;

class Screen final : public QWidget {
public:
    // clockIsVirtual: the task bar's time counts from 12:00 on the device clock.
    explicit Screen(bool clockIsVirtual);
    ~Screen() override;

    static Screen* current();
    // The screen as it shows, 240 x 320, unscaled.
    QImage grab240();
    // The title of the active window, in the window title and the task bar.
    void refreshTitle();
    // Repaints the task bar when the minute has changed.
    void refreshClock();
    TaskBar* taskBar() const { return taskBar_; }
    WaitIndicator* waitIndicator() const { return wait_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool ownsEvent(QObject* watched) const;
    bool routeMouse(QEvent* event);
    bool routeKey(QEvent* event);
    bool routeWheel(QEvent* event);

    TaskBar* taskBar_;
    WaitIndicator* wait_;
    QTimer* clockTimer_ = nullptr;
};

// Minutes since midnight that the task bar shows.
int TaskBarMinutes(bool clockIsVirtual, uint64_t clockMs);

}  // namespace device

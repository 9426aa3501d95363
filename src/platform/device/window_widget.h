#pragma once
// The Qt widget that shows one device window inside the screen: the window's
// backing store, drawn pixel for pixel (scaled without smoothing), or the Qt
// widget the window hosts.
#include <QWidget>

#include "platform/device/window.h"

namespace device {

class WindowWidget final : public QWidget {
public:
    WindowWidget(HWND window, QWidget* parent);
    // The window is gone; the widget only waits for Qt to delete it.
    void detach() { window_ = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    HWND window_;
};

}  // namespace device

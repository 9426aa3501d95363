#pragma once
// The link from a control's Qt widget back to its device window. Qt signal
// handlers and widget overrides reach the window only through the link, which
// the window cuts when it is destroyed, so a late Qt event never reaches a
// freed window. While a handler runs, the window is kept alive: a parent that
// destroys the control from inside a notification frees it only once the
// handler has returned.
#include <QObject>
#include <QWidget>

#include "platform/device/window.h"
#include "platform/device/window_internal.h"

namespace controls {

class ControlLink final : public QObject {
public:
    explicit ControlLink(QObject* parent) : QObject(parent) {}

    // Calls f(window) when the window is still there.
    template <typename Control, typename F>
    void call(F&& f) {
        if (!device::IsWindow(control)) return;
        device::HWND window = control;
        device::internal::EnterDispatch(window);
        f(static_cast<Control*>(window));
        device::internal::LeaveDispatch(window);  // may free the window: nothing after
    }

    device::HWND control = nullptr;
};

// The size and enabled state a hosted widget takes from its window's
// messages. True when msg was one of them.
inline bool FollowWindow(QWidget* widget, uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) {
    if (msg == device::WM_SIZE) {
        if (widget) widget->setGeometry(0, 0, device::LOWORD(uintptr_t(lParam)), device::HIWORD(uintptr_t(lParam)));
        return true;
    }
    if (msg == device::WM_ENABLE) {
        if (widget) widget->setEnabled(wParam != 0);
        return true;
    }
    return false;
}

}  // namespace controls

// Commands and notifications that reach the main window.
#include "app/main_window.h"
#include "app/resource_ids.h"
#include "platform/device/message_loop.h"
#include "platform/device/messages.h"

namespace ezo {

void OnCommand(device::HWND window, uint16_t id) {
    switch (id) {
    case IDM_QUIT:
        device::SendMessage(window, device::WM_ACTIVATE, device::WA_INACTIVE,
                            reinterpret_cast<device::LPARAM>(window));
        device::SendMessage(window, device::WM_CLOSE, 0, 0);
        return;
    case IDM_EXIT:
        // Destroying the window runs WM_DESTROY once and really removes it.
        device::DestroyWindow(window);
        return;
    default:
        return;
    }
}

}  // namespace ezo

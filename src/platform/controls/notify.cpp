#include "platform/controls/notify.h"

#include "platform/device/message_loop.h"
#include "platform/device/window.h"

namespace controls {

device::LRESULT SendNotify(device::HWND control, NMHDR* header, uint32_t code) {
    header->hwndFrom = control;
    header->idFrom = uintptr_t(device::GetDlgCtrlID(control));
    header->code = code;
    device::HWND parent = device::GetParent(control);
    if (!parent) return 0;
    return device::SendMessage(parent, device::WM_NOTIFY, header->idFrom,
                               reinterpret_cast<device::LPARAM>(header));
}

}  // namespace controls

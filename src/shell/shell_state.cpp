#include "shell/shell_state.h"

#include "shell/resource_ids.h"
#include "platform/device/window_api.h"

namespace ezo {

device::HWND MenuBar(const Shell& shell, int barId) {
    for (int i = 0; i < kMenuBarCount; ++i) {
        if (kMenuBarsInCreationOrder[i] != barId) continue;
        device::HWND bar = shell.menuBars[size_t(i)];
        return bar && device::IsWindow(bar) ? bar : nullptr;
    }
    return nullptr;
}

controls::HMENU ToolMenu(const Shell& shell, int index) {
    if (index < 0 || index >= kToolMenuCount) return nullptr;
    // The view bars follow the three browse bars; a pop-up goes with its bar.
    return MenuBar(shell, kMenuBarsInCreationOrder[3 + index]) ? shell.toolMenus[size_t(index)] : nullptr;
}

}  // namespace ezo

#include "app/shell_state.h"

#include <cstdio>

#include <QString>

#include "app/resource_ids.h"
#include "browse/current_folder.h"
#include "image/view_state.h"
#include "platform/device/device.h"

namespace ezo {

Shell shell;

device::HWND MenuBar(int barId) {
    for (int i = 0; i < kMenuBarCount; ++i) {
        if (kMenuBarsInCreationOrder[i] != barId) continue;
        device::HWND bar = shell.menuBars[size_t(i)];
        return bar && device::IsWindow(bar) ? bar : nullptr;
    }
    return nullptr;
}

controls::HMENU ToolMenu(int index) {
    if (index < 0 || index >= kToolMenuCount) return nullptr;
    // The view bars follow the three browse bars; a pop-up goes with its bar.
    return MenuBar(kMenuBarsInCreationOrder[3 + index]) ? shell.toolMenus[size_t(index)] : nullptr;
}

namespace {

std::string Utf8(std::u16string_view text) {
    return QString::fromStdU16String(std::u16string(text)).toStdString();
}

}  // namespace

void DumpShellState(device::DumpWriter& out) {
    out.write("browseMode", shell.browseMode);
    out.write("BrowseView", shell.BrowseView);
    out.write("viewBarBits", shell.viewBarBits);
    out.write("splitButtonBits", shell.splitButtonBits);
    out.write("listAreaHeight", shell.listAreaHeight);
    out.write("currentFolder", Utf8(currentFolder));
    const bool alive = shell.mainWindow && device::IsWindow(shell.mainWindow);
    out.write("title", alive ? Utf8(device::GetWindowText(shell.mainWindow)) : std::string());
    char zoom[32];
    std::snprintf(zoom, sizeof zoom, "%.3f", double(viewState.zoom));
    out.write("zoom", zoom);
    out.write("fullScreen", viewState.fullScreen);
    out.write("titleBarHidden", viewState.titleBarHidden);
    out.write("landscapeMode", viewState.landscapeMode);
    out.write("flipBits", viewState.flipBits);
    out.write("slideShowRunning", shell.slideShowRunning);
}

}  // namespace ezo

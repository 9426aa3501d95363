// The shell's state in the headless driver's dump.
#include <cstdio>

#include <QString>

#include "app/main_window.h"
#include "app/shell/shell_state.h"
#include "browse/current_folder.h"
#include "image/view_state.h"
#include "platform/device/device.h"

namespace ezo {

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

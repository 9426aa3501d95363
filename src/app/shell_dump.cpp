// The shell's state in the headless driver's dump: what a script needs to
// tell which screen shows, how the picture is drawn and what the list holds.
#include "app/dump_text.h"

#include <cstdio>

#include "app/main_window.h"
#include "platform/controls/list_view.h"
#include "platform/device/device.h"
#include "platform/device/message_loop.h"
#include "shell/thumbnail_thread.h"
#include "thumbs/thumbnail_store.h"

namespace ezo {

namespace {

constexpr int kColumnCount = 4;
constexpr int kCellSize = 260;

std::string Float3(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", double(value));
    return text;
}

// One cell of the file list control as the user sees it.
std::u16string CellText(device::HWND list, int row, int column) {
    char16_t buffer[kCellSize] = {};
    controls::LVITEMW item;
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = kCellSize;
    device::SendMessage(list, controls::LVM_GETITEMTEXTW, device::WPARAM(row), reinterpret_cast<device::LPARAM>(&item));
    return buffer;
}

void WriteRows(const Shell& shell, device::DumpWriter& out) {
    device::HWND list = shell.fileList;
    if (!list || !device::IsWindow(list)) return;
    const auto rows = int(device::SendMessage(list, controls::LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row) {
        std::u16string line;
        for (int column = 0; column < kColumnCount; ++column) {
            if (column > 0) line += u" | ";
            line += CellText(list, row, column);
        }
        out.write("row", DumpText(line));
    }
}

// "3 | c.jpg | 64x48 | 0,6": index, name, the thumbnail's size and its
// offsets in the cell; "none" for an entry without a thumbnail.
std::string EntryLine(const FileEntry& entry) {
    std::string line = std::to_string(entry.index) + " | " + DumpText(entry.name) + " | ";
    const gdi::Bitmap* thumbnail = entry.thumbnail.get();
    if (!thumbnail) return line + "none";
    return line + std::to_string(thumbnail->width()) + "x" + std::to_string(thumbnail->height()) + " | " +
           std::to_string(entry.thumbLeft) + "," + std::to_string(entry.thumbTop);
}

void WriteGrid(const Program& program, device::DumpWriter& out) {
    const GridState& grid = program.grid;
    out.write("scrollY", grid.scrollY);
    out.write("maxScroll", grid.maxScroll);
    out.write("cursorIndex", grid.cursorIndex);
    out.write("selectedIndex", grid.selectedIndex);
    out.write("selectionActive", grid.selectionActive);
    out.write("thumbPassRunning", ThumbnailGeneratorRunning(program));
    out.write("thumbRestartPending", program.shell.thumbRestartPending);
    out.write("highestNumber", ThumbnailStoreHighestNumber(program));
    for (const FileEntry* entry = program.fileList.head.get(); entry; entry = entry->next.get())
        out.write("entry", EntryLine(*entry));
}

// The state of the running main window; a fresh one's when there is none.
const Program& ShownProgram() {
    static const Program none;
    device::HWND window = device::FindWindow(kMainWindowClass, nullptr);
    return window ? ProgramOf(window) : none;
}

}  // namespace

void DumpShellState(device::DumpWriter& out) {
    const Program& program = ShownProgram();
    const Shell& shell = program.shell;
    const ViewState& viewState = program.viewState;
    const bool alive = shell.mainWindow && device::IsWindow(shell.mainWindow);
    out.write("browseMode", shell.browseMode);
    out.write("BrowseView", shell.BrowseView);
    out.write("title", alive ? DumpText(device::GetWindowText(shell.mainWindow)) : std::string());
    out.write("imageLoaded", viewState.imageLoaded);
    out.write("zoom", Float3(viewState.zoom));
    out.write("previousZoom", Float3(viewState.previousZoom));
    out.write("xOffset", viewState.xOffset);
    out.write("yOffset", viewState.yOffset);
    out.write("fitToggle", viewState.fitToggle);
    out.write("fullScreen", viewState.fullScreen);
    out.write("titleBarHidden", viewState.titleBarHidden);
    out.write("landscapeMode", viewState.landscapeMode);
    out.write("flipBits", viewState.flipBits);
    out.write("slideShowRunning", shell.slideShowRunning);
    out.write("effectRunning", viewState.effectRunning);
    out.write("viewBarBits", shell.viewBarBits);
    out.write("thumbViewActive", shell.thumbViewActive);
    out.write("currentFolder", DumpText(program.currentFolder));
    out.write("rowCount", shell.rowCount);
    WriteRows(shell, out);
    out.write("latestFile", DumpText(program.settings.latestFile));
    out.write("split", shell.separatorRect.top);
    out.write("splitButtonBits", shell.splitButtonBits);
    out.write("listAreaHeight", shell.listAreaHeight);
    WriteGrid(program, out);
}

}  // namespace ezo

#pragma once
// File Info (command 40076): the name, format, exact size, pixel size, date
// and time of the picture selected in the browse view, in a small modal
// dialog (template 154). Nothing changes on the disk or in the list.
#include <cstdint>
#include <optional>
#include <string>

#include "app/file_info_text.h"
#include "platform/device/window_api.h"
#include "shell/program.h"

namespace ezo {

// What the dialog shows of the selected entry.
struct SelectedFileInfo {
    std::u16string path;  // currentFolder followed by the entry's name
    uint64_t size = 0;
    FileTimeTexts time;
    uint32_t kind = 0;    // an ImageKind
};

// The entry selected in the visible browse view: the file list's row with
// the selection mark, else the grid's selected cell. None when nothing is
// selected or no entry has that name or index. Records in thumbViewActive
// which view the selection came from.
std::optional<SelectedFileInfo> FindSelectedEntry(Program& program);

// The 1-based index of the grid's highlighted cell, 0 when none is.
int32_t GridSelectedIndex(const Program& program);

// The command: shows the dialog for the selected entry; nothing selected,
// or no browse screen, nothing shown.
void ShowFileInfo(device::HWND mainWindow);

}  // namespace ezo

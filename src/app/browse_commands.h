#pragma once
// The browse screen's commands: switching the file area between report,
// list and thumbnails, and deleting the selected files.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/device/window_api.h"
#include "shell/program.h"

namespace ezo {

// 40082 (thumbnails), 40085 (list) or 40080 (report); nothing while the
// folder has no rows.
void SwitchBrowseView(device::HWND window, uint16_t command);

// The file list's row operations Delete works through.
struct FileRows {
    // The full path of the row with the selection mark: 1, or 0 when none.
    int (*selectedPath)(Program& program, std::u16string& path);
    int (*selectedCount)(const Shell& shell);
    void (*deleteMarked)(Shell& shell);
    int (*deleteNamed)(Shell& shell, std::u16string_view name);
};
// The rows of the program's file list.
FileRows FileViewRows();
// The grid's highlighted cell as the selected file, the list's rows for the
// rest.
FileRows GridRows();
// The grid's while it shows, else the file list's: the files the user sees
// selected.
FileRows ShownFileRows(const Shell& shell);

inline constexpr char16_t kDeleteQuestion[] = u"Remove selected file?";
inline constexpr char16_t kDeleteCaption[] = u"Delete";

// 40081: asks, then deletes the selected files and their rows and lists the
// folder again. Returns the number of files the file store removed.
int DeleteSelectedFiles(device::HWND window, const FileRows& rows);

}  // namespace ezo

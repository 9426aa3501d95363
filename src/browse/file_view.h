#pragma once
// The file list ("FileView"): one row per picture of the current folder with
// name, type, size and date; its notifications as the main window handles
// them; the selected rows for Delete and File Info.
#include <string>
#include <string_view>

#include "browse/file_list.h"
#include "platform/device/window_api.h"
#include "shell/program.h"

namespace ezo {

// Creates the file list with its four columns and the hidden thumbnail grid
// at the top of the client area, 25 pixels less high. 0 when the list or a
// column cannot be made.
int CreateBrowseViews(device::HWND mainWindow);
// Removes every row and adds one per FileList entry.
void RefillFileView(Program& program);
// Appends the row of entry at rowCount.
void AddFileRow(Shell& shell, const FileEntry& entry);
// Removes every row; rowCount 0.
void ClearFileView(Shell& shell);
// LVN_COLUMNCLICK: reverses the sort and refills.
void OnFileColumnClick(Program& program);
// The picture a row names: its full path and its ImageKind (-1: none).
struct ActivatedFile {
    std::u16string path;
    int kind = -1;
};
// LVN_ITEMACTIVATE of row: hides the browse windows and names the row's
// picture for the main window to open; an empty path for no such row.
ActivatedFile OnFileActivated(Program& program, int row);
// The "Delete" / "File Info" pop-up at a screen point.
void ShowFileContextMenu(device::HWND window, int32_t screenX, int32_t screenY);
// The full path of the row with the selection mark into path: 1, or 0 when
// no row is selected.
int SelectedFilePath(Program& program, std::u16string& path);
// How many rows are selected.
int SelectedRowCount(const Shell& shell);
// The row with the selection mark, -1 for none.
int SelectionMarkRow(const Shell& shell);
// Makes row the one selected, focused and marked row and scrolls it into
// view; nothing for no such row.
void SelectRow(Shell& shell, int row);
// The same for the row whose name is name (device names ignore case); 0
// when there is none.
int SelectRowNamed(Shell& shell, std::u16string_view name);
// Deletes the row with the selection mark; the next selected row gets it.
void DeleteMarkedRow(Shell& shell);
// Deletes the row whose name is exactly name; 0 when there is none.
int DeleteRowNamed(Shell& shell, std::u16string_view name);

}  // namespace ezo

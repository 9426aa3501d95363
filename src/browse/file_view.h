#pragma once
// The file list ("FileView"): one row per picture of the current folder with
// name, type, size and date; its notifications as the main window handles
// them; the selected rows for Delete and File Info.
#include <string>
#include <string_view>

#include "browse/file_list.h"
#include "platform/device/window_api.h"

namespace ezo {

// Creates the file list with its four columns and the hidden thumbnail grid
// at the top of the client area, 25 pixels less high. 0 when the list or a
// column cannot be made.
int CreateBrowseViews(device::HWND mainWindow);
// Removes every row and adds one per FileList entry.
void RefillFileView();
// Appends the row of entry at rowCount.
void AddFileRow(const FileEntry& entry);
// Removes every row; rowCount 0.
void ClearFileView();
// LVN_COLUMNCLICK: reverses the sort and refills.
void OnFileColumnClick();
// LVN_ITEMACTIVATE of row: opens the row's picture, or shows the browse
// views again when it cannot be opened.
void OnFileActivated(device::HWND window, int row);
// The "Delete" / "File Info" pop-up at a screen point.
void ShowFileContextMenu(device::HWND window, int32_t screenX, int32_t screenY);
// The full path of the row with the selection mark into path: 1, or 0 when
// no row is selected.
int SelectedFilePath(std::u16string& path);
// How many rows are selected.
int SelectedRowCount();
// Deletes the row with the selection mark; the next selected row gets it.
void DeleteMarkedRow();
// Deletes the row whose name is exactly name; 0 when there is none.
int DeleteRowNamed(std::u16string_view name);

}  // namespace ezo

#pragma once
// What the program shows first. The command line's path, when there is
// one, replaces the stored start option for this run; nothing stored
// changes because of it.
#include <string>

#include "platform/device/window_api.h"

namespace ezo {

// The device path given at start ("\Pictures\a.jpg", a folder ending in
// "\"); empty: the stored start option applies. Set before the main window
// is created.
inline std::u16string startPath;
// Set when the start path lay outside the device root and brought its own
// root for this run: the device paths of this run mean other files on the
// next, so the stored file or folder is kept as it was.
inline bool startRootMoved = false;

// The start option's steps for a picture: hides the browse windows, opens
// path for viewing and reveals its folder in the tree; when it cannot be
// opened, the browse screen comes back with the empty-folder notice.
// 1 when the picture is shown.
int OpenStartPicture(device::HWND window, const std::u16string& path);

// A later start's path, shown in the running program as a first start with
// it would show it: from the view screen (its slide show and full screen
// ended) the program goes back to the browse screen first.
void ShowLaterStartPath(device::HWND window, const std::u16string& path);

}  // namespace ezo

#pragma once
// Gallery pages of the menu family: a window with a menu bar and an open
// pop-up, for screenshots; and sample resources shaped like the program's
// (strings, the menus and bars 102 and 149, their 16 x 16 button images).
#include "platform/device/window.h"

namespace controls {

// Defines the sample resources (replacing resources of the same ids).
void DefineGalleryMenuResources();

// Page 0: bar 149 with the Tool pop-up open, its Rotate pop-up open, check
// marks and a grayed item. Page 1: bar 102 (image buttons, one of them disabled,
// the disabled text button) with the File pop-up open. Page 2: the tap-and-hold menu over a
// window without a bar. Null past the last page. The page's bar and pop-up
// go with its window.
device::HWND CreateGalleryPageMenus(int page);
constexpr int kGalleryPagesMenus = 3;

}  // namespace controls

#pragma once
// Gallery pages of the tree, list and scroll-bar family: each page is a
// top-level 240 x 294 window below the task bar showing the controls in
// their states (enabled and disabled, selected and not), for screenshots.
#include "platform/device/window.h"

namespace controls {

// Page 0: trees; 1: lists in the report and list styles; 2: scroll bars and
// an image list drawn transparently. Null past the last page.
device::HWND CreateGalleryPageLists(int page);
constexpr int kGalleryPagesLists = 3;

}  // namespace controls

#pragma once
// Gallery pages of the forms family: each page is a top-level 240 x 294
// window below the task bar showing the controls in their states (enabled
// and disabled, checked and not, selected and not), for screenshots.
#include "platform/device/window.h"

namespace controls {

// Page 0: buttons and static controls; 1: edits, combo boxes (one dropped
// down), up-down; 2: a dialog from a template with the picker's Korean filter
// text and a tab control with its tabs at the bottom. Null past the last page.
device::HWND CreateGalleryPageForms(int page);
constexpr int kGalleryPagesForms = 3;

}  // namespace controls

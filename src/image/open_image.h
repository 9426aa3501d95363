#pragma once
// Switching the main window from browsing to viewing one picture, and
// stepping to the picture before or after it in the listed folder.
#include <string>
#include <string_view>

#include "platform/device/window_api.h"

namespace ezo {

// A window title holds at most this many characters.
constexpr size_t kMaxTitleLength = 259;

// Loads path (of ImageKind kind) into the current-image slot and shows it:
// view bar, title "Ezo - name", re-centred view. withEffect 1 (the slide
// show) brings it in with the chosen transition. 1 when shown (or its
// transition started), 0 when it cannot be loaded or kind is no ImageKind.
int OpenImageForView(device::HWND window, std::u16string_view path, int kind, int withEffect);
// Opens the first entry after the current picture that loads; 1 or 0.
int StepToNextImage(device::HWND window, int withEffect);
// Opens the nearest entry before the current picture that loads; 1 or 0.
int StepToPreviousImage(device::HWND window, int withEffect);
// Opens the first (last) entry of the list that loads, stopping at the
// current picture; 1 or 0 (also when the current picture is that entry).
int StepToFirstImage(device::HWND window);
int StepToLastImage(device::HWND window);

// "Ezo - " and the file name of path without its extension, cut to
// kMaxTitleLength characters (never inside a surrogate pair).
std::u16string ViewTitle(std::u16string_view path);

}  // namespace ezo

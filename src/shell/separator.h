#pragma once
// The separator between the folder tree and the file area: dragged with the
// stylus (a line follows it until release) or set by the three
// split buttons' presets.
#include <cstdint>

#include "platform/device/window_api.h"

namespace ezo {

// The lowest the separator goes: the bottom of the window less the band.
constexpr int32_t kSplitMaximum = 260;
constexpr int32_t kSplitMaximumNoTitleBar = 286;
// Where a release puts the separator, and which split button it hides.
struct SplitterRelease {
    int32_t split = 0;  // -1: the tree collapsed
    int hiddenButtonId = 0;
    bool operator==(const SplitterRelease&) const = default;
};
// A release at the 16-bit y of the message, read as signed: above the window
// (however far) collapses the tree; anything past the maximum, below the
// window included, stops at the maximum.
SplitterRelease SplitterReleaseAt(uint16_t y, int titleBarHidden);

// The separator row of split preset 5303 (tree collapsed), 5304 (middle) or
// 5305 (file area collapsed, lower when the title bar is hidden).
int32_t PresetSplit(int presetId, bool titleBarHidden);

// 5303, 5304 or 5305 on the main window: the separator to its preset row.
void SplitPreset(device::HWND window, int presetId);

// Stylus down in browse mode: a drag starts only on the separator band.
void SplitterDown(device::HWND window, int32_t x, int32_t y);
void SplitterMove(device::HWND window, int32_t y);
// y as the message carries it: 16 bits, a release above the window being a
// negative number in two's complement.
void SplitterUp(device::HWND window, uint16_t y);

}  // namespace ezo

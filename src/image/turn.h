#pragma once
// Quarter turns of the current picture, for the Right and Left commands and
// for landscape display.
#include <string_view>

#include "platform/device/window_api.h"
#include "platform/gdi/bitmap.h"
#include "shell/program.h"

namespace ezo {

inline constexpr std::u16string_view kTurnNoMemoryText =
    u"There is not enough memory, cause cannot do rotate or landscape.";
inline constexpr std::u16string_view kTurnNoMemoryCaption = u"Ezo";

// Writes `source` (16-bit 5-5-5 or 24-bit) turned a quarter clockwise or
// counter-clockwise into `destination`, a 24-bit bitmap of the source's
// height by its width. False, and nothing written, for other depths or sizes.
bool TurnPixels(const gdi::Bitmap& source, gdi::Bitmap& destination, bool clockwise);

// Replaces viewState.currentImage with a new 24-bit bitmap turned a quarter
// (clockwise 1: to the right). Without memory for the new bitmap: the arrow
// cursor, landscape display off, a message box on `window`, and 0 with the
// picture unchanged. 0 without a message for an empty slot or a depth other
// than 16 or 24 bits.
int TurnImage(device::HWND window, gdi::HDC dc, int clockwise);

// Turns landscape display off if it is on, and takes the menus' check mark off.
void SwitchLandscapeOff(Program& program);

}  // namespace ezo

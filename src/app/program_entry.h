#pragma once
// The program's entry: resources, window classes, the main window and the
// message loop.
#include <memory>

#include "app/entry.h"
#include "platform/device/window.h"

namespace ezo {

// Class style of the three window classes: redraw on resize, double taps.
constexpr uint32_t kProgramClassStyle = 11;

// Defines the resources and registers the control classes and the program's
// three window classes ("Ezo", "Thumb", "NoImages"). False if one fails.
bool RegisterProgramClasses();
// Creates and shows the main window; null when it cannot be made.
device::HWND CreateMainWindow(int showCommand);
// Returns the quit code, or 0 when the window cannot be made.
int EzoMain(HINSTANCE instance, const char16_t* commandLine, int showCommand);

}  // namespace ezo

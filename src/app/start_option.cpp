// What the main window shows first: the folder saved at the last exit, or
// the latest or the selected file opened for viewing.
#include "app/main_window.h"

namespace ezo {

void ApplyStartOption(device::HWND) {}

}  // namespace ezo

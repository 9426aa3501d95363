#include "image/open_image.h"

namespace ezo {

int OpenImageForView(device::HWND, std::u16string_view, int, int) { return 0; }
int StepToNextImage(device::HWND, int) { return 0; }
int StepToPreviousImage(device::HWND, int) { return 0; }

}  // namespace ezo

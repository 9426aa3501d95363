#include "app/slide_show.h"

namespace ezo {

void StartSlideShow(device::HWND) {}
void StopSlideShow(device::HWND) {}
void SlideShowTick(device::HWND) {}
void OnMenuOpened(device::HWND) {}

}  // namespace ezo

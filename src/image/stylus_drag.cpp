#include "image/stylus_drag.h"

namespace ezo {

void PanStep(device::HWND, int32_t, int32_t) {}
void DrawDragLine(device::HWND, int32_t) {}
void SplitterDown(device::HWND, int32_t, int32_t) {}
void SplitterMove(device::HWND, int32_t) {}
void SplitterUp(device::HWND, uint16_t) {}

}  // namespace ezo

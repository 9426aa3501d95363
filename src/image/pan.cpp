#include "image/pan.h"

#include "image/draw_view.h"
#include "platform/device/painting.h"
#include "shell/program.h"

namespace ezo {

void PanStep(device::HWND window, int32_t x, int32_t y) {
    ViewState& v = ProgramOf(window).viewState;
    {
        device::WindowDC dc(window);
        DrawImage(window, dc, x - v.panLastX, y - v.panLastY, 0);
    }
    v.panLastX = x;
    v.panLastY = y;
}

}  // namespace ezo

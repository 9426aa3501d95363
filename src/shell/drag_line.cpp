#include "shell/drag_line.h"

#include <memory>

#include "platform/device/painting.h"
#include "platform/device/window.h"
#include "platform/gdi/paint.h"

namespace ezo {

namespace {

constexpr int32_t kThickness = 5;

class DragLineWindow final : public device::Window {
public:
    device::LRESULT WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) override {
        if (msg != device::WM_PAINT) return device::DefWindowProc(this, msg, wParam, lParam);
        device::PAINTSTRUCT ps;
        gdi::HDC dc = device::BeginPaint(this, &ps);
        gdi::RECT client;
        device::GetClientRect(this, &client);
        if (dc) gdi::FillRect(dc, &client, gdi::GetStockBrush(gdi::BLACK_BRUSH));
        device::EndPaint(this, &ps);
        return 0;
    }
};

int32_t ParentWidth(device::HWND parent) {
    gdi::RECT client{};
    device::GetClientRect(parent, &client);
    return client.width();
}

}  // namespace

device::HWND ShowDragLine(device::HWND parent, int32_t y) {
    device::HWND line = device::CreateWindowFor(std::make_unique<DragLineWindow>(), u"DragLine", 0, u"",
                                                device::WS_CHILD | device::WS_VISIBLE, 0, y - kThickness / 2,
                                                ParentWidth(parent), kThickness, parent, 0);
    if (line) device::BringWindowToTop(line);
    return line;
}

void MoveDragLine(device::HWND line, int32_t y) {
    if (!line || !device::IsWindow(line)) return;
    device::MoveWindow(line, 0, y - kThickness / 2, ParentWidth(device::GetParent(line)), kThickness, true);
}

}  // namespace ezo

#include "image/draw_view.h"

#include "image/render.h"
#include "image/render_layout.h"
#include "image/turn.h"
#include "image/view_recentre.h"
#include "shell/program.h"
#include "shell/resource_ids.h"
#include "shell/shell_windows.h"
#include "platform/gdi/blit.h"
#include "platform/gdi/paint.h"

namespace ezo {

namespace {

// Landscape display shows every picture turned to the left; a new picture
// is turned at its first draw.
void ApplyLandscape(device::HWND window, gdi::HDC target) {
    Program& program = ProgramOf(window);
    ViewState& v = program.viewState;
    if (!v.effectRunning) device::SetCursor(device::Cursor::Wait);
    if (TurnImage(window, target, 0)) {
        v.landscapeMode = 1;
        v.landscapeApplied = 1;
    } else {
        v.landscapeApplied = 0;
        SwitchLandscapeOff(program);
    }
    device::SetCursor(device::Cursor::Arrow);
    RecentreView(v, 0);
}

}  // namespace

int DrawImage(device::HWND window, gdi::HDC target, int32_t dx, int32_t dy, int erase) {
    Program& program = ProgramOf(window);
    ViewState& v = program.viewState;
    gdi::RECT client{};
    device::GetClientRect(window, &client);
    if (v.currentImage && v.landscapeMode && !v.landscapeApplied) ApplyLandscape(window, target);
    if (erase) gdi::FillRect(target, &client, gdi::GetStockBrush(gdi::WHITE_BRUSH));

    gdi::BITMAP description{};
    if (!gdi::GetObject(v.currentImage.get(), sizeof description, &description)) return 0;
    gdi::DeviceContextPtr memory = gdi::CreateCompatibleDC(target);
    gdi::SelectScope<gdi::HBITMAP> select(memory.get(), v.currentImage.get());
    // Full screen covers the browse bar that the view bar replaced.
    if (v.fullScreen) HideReportBar(program.shell);
    // A picture drawn smaller than it is is averaged, not sampled, so photos
    // do not look stair-stepped; at 1:1 and above every pixel stays exact.
    const int mode = gdi::SetStretchBltMode(target, gdi::HALFTONE);
    const int drawn = RenderImage(v, target, memory.get(), client, description, dx, dy);
    gdi::SetStretchBltMode(target, mode);
    return drawn;
}

int DrawView(device::HWND window, int32_t x, int32_t y) {
    device::WindowDC windowDc(window);
    gdi::RECT client{};
    device::GetClientRect(window, &client);
    const int32_t ch = client.height();
    if (!windowDc.get() || ch <= 0) return 0;

    gdi::BitmapPtr frame = gdi::CreateCompatibleBitmap(windowDc, kScreenWidth, ch);
    if (!frame) {
        // No memory for the frame: draw straight onto the window rather than
        // show nothing (only where the frame would sit unmoved).
        if (x != 0 || y != 0) return 0;
        return DrawImage(window, windowDc, 0, 0, 1);
    }
    gdi::DeviceContextPtr memory = gdi::CreateCompatibleDC(windowDc);
    gdi::SelectScope<gdi::HBITMAP> select(memory.get(), frame.get());
    const int drawn = DrawImage(window, memory.get(), 0, 0, 1);
    gdi::BitBlt(windowDc, x, y, kScreenWidth, ch, memory.get(), 0, 0, gdi::SRCCOPY);
    return drawn;
}

}  // namespace ezo

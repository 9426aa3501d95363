#pragma once
// The real main window on a folder of pictures, switched to thumbnails, with
// the grid's window, state and pixels at hand.
#include <string>
#include <vector>

#include "platform/device/message_loop.h"
#include "platform/device/painting.h"
#include "shell/resource_ids.h"
#include "support/main_window_fixture.h"

namespace grid_test {

using device::HWND;

class GridTest : public test_support::MainWindowTest {
protected:
    // Files named in the root (10 bytes each: listed, but no picture), then
    // the window, the grid as the browse view.
    void StartOn(const std::vector<std::string>& names) {
        for (const std::string& name : names) WriteFile(name);
        Start();
        dev().command(ezo::IDM_TO_THUMBNAILS);
        dev().processPending();
    }
    HWND Grid() const { return program().shell.thumbGrid; }
    ezo::GridState& State() const { return program().grid; }
    // A stylus action at a point of the grid window.
    gdi::POINT OnScreen(int32_t x, int32_t y) const { return device::ClientToScreen(Grid(), {x, y}); }
    void TapGrid(int32_t x, int32_t y) {
        const gdi::POINT p = OnScreen(x, y);
        dev().tap(p.x, p.y);
        dev().processPending();
    }
    void DoubleTapGrid(int32_t x, int32_t y) {
        const gdi::POINT p = OnScreen(x, y);
        dev().doubleTap(p.x, p.y);
        dev().processPending();
    }
    // A pixel of the grid as shown, 0xRRGGBB.
    uint32_t Pixel(int32_t x, int32_t y) const {
        const gdi::Bitmap* store = device::BackingStore(Grid());
        const uint8_t* p = store->row(y) + 4 * x;
        return uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
    }
    ezo::FileEntry* Entry(int index) const {
        ezo::FileEntry* e = program().fileList.head.get();
        while (e && e->index != index) e = e->next.get();
        return e;
    }
};

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kFrameGrey = 0xC0C0C0;

}  // namespace grid_test

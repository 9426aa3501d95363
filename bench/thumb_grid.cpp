// Scrolling the thumbnail grid: one line step of its scroll bar and the
// frame it draws (the back buffer made again and copied to the window), on
// the real main window of a headless device, for a folder of 10 and one of
// 1,000 pictures whose thumbnails are all made. Both scroll over the same
// first rows, so each frame shows the same number of cells.
//
// Target: the same time per frame for 1,000 entries as for 10.
#include <benchmark/benchmark.h>

#include <fstream>

#include "bench_program.h"
#include "platform/controls/scroll_bar.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/paint.h"
#include "shell/resource_ids.h"

namespace {

// Scrolling runs over the rows that a folder of 10 holds too.
constexpr int32_t kScrollRange = 180;

gdi::BitmapPtr Thumbnail() {
    gdi::BITMAPINFO info{};
    info.bmiHeader.biSize = 40;
    info.bmiHeader.biWidth = 64;
    info.bmiHeader.biHeight = 48;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    return gdi::CreateDIBSection(nullptr, &info, gdi::DIB_RGB_COLORS, &bits);
}

void BM_GridScrollFrame(benchmark::State& state) {
    const int count = int(state.range(0));
    bench::Program program;
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "p%04d.jpg", i);
        std::ofstream(program.root() / name) << "x";
    }
    program.ListRoot();
    ezo::Program& viewer = program.state();
    for (ezo::FileEntry* e = viewer.fileList.head.get(); e; e = e->next.get()) {
        e->thumbTop = 6;
        e->thumbnail = Thumbnail();
    }
    program.device().command(ezo::IDM_TO_THUMBNAILS);
    program.device().processPending();
    device::HWND grid = viewer.shell.thumbGrid;
    if (viewer.fileList.count != count || !device::IsWindowVisible(grid) || !viewer.grid.backBuffer) {
        state.SkipWithError("the grid does not show the folder");
        return;
    }
    const auto scroll = [&](uint16_t request, int32_t position) {
        device::SendMessage(grid, device::WM_VSCROLL, device::MAKEWPARAM(request, position),
                            reinterpret_cast<device::LPARAM>(viewer.grid.scrollBar));
    };
    for (auto _ : state) {
        if (viewer.grid.scrollY >= kScrollRange)
            scroll(controls::SB_THUMBTRACK, 0);
        else
            scroll(controls::SB_LINEDOWN, 0);
    }
    state.counters["entries"] = count;
    state.SetLabel("per frame");
}
BENCHMARK(BM_GridScrollFrame)->Arg(10)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

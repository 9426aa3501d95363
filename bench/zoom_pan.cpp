// One zoom step and one pan step on the viewed picture, each with the frame
// it draws, on the real main window of a headless device: a 48-megapixel
// photo against a 1-megapixel one. Only what lands in the 240 x 268 frame
// is computed, so the time per frame must not grow with the picture.
#include <benchmark/benchmark.h>

#include <chrono>

#include "bench_program.h"
#include "image/decoded_image.h"
#include "image/draw_view.h"
#include "shell/image_kind.h"
#include "image/view_recentre.h"
#include "shell/shell_windows.h"
#include "image/zoom.h"
#include "platform/device/window_api.h"
#include "platform/gdi/memory_budget.h"

namespace {

struct Size {
    int width, height;
    const char* label;
};
constexpr Size kPhotos[] = {{8000, 6000, "48 MP"}, {1155, 866, "1 MP"}};

// The photo loaded into the slot and shown on the view screen, at zoom 1.0.
bool ShowPhoto(bench::Program& program, const Size& size) {
    if (!program.AddFile(bench::CachedPhoto(size.width, size.height), "photo.jpg")) return false;
    if (!ezo::LoadImageFile(program.window(), u"\\photo.jpg", ezo::Jpg)) return false;
    ezo::Program& state = program.state();
    state.shell.browseMode = 0;
    ezo::HideBrowseWindows(state.shell);
    ezo::RecentreView(state.viewState, 0);
    ezo::DrawView(program.window(), 0, 0);
    program.device().processPending();
    return true;
}

// Zooms in and out in turn: each iteration is one step of the ladder and
// the frame it draws.
void BM_ZoomStep(benchmark::State& state) {
    gdi::ScopedMemoryBudget budget(1ull << 30);
    const Size size = kPhotos[state.range(0)];
    bench::Program program;
    if (!ShowPhoto(program, size)) {
        state.SkipWithError("cannot show the photo");
        return;
    }
    bool in = true;
    for (auto _ : state) {
        if (in) {
            ezo::ZoomIn(program.window());      // invalidates; the paint draws
            program.device().processPending();
        } else {
            ezo::ZoomOut(program.window());     // draws at once
        }
        in = !in;
    }
    state.counters["zoom"] = double(program.state().viewState.zoom);
    state.SetLabel(size.label);
}
BENCHMARK(BM_ZoomStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Ten pixels one way, then back: one accepted pan step and its frame.
void BM_PanStep(benchmark::State& state) {
    gdi::ScopedMemoryBudget budget(1ull << 30);
    const Size size = kPhotos[state.range(0)];
    bench::Program program;
    if (!ShowPhoto(program, size)) {
        state.SkipWithError("cannot show the photo");
        return;
    }
    int32_t step = 10;
    int64_t moved = 0;
    for (auto _ : state) {
        const int32_t before = program.state().viewState.xOffset;
        device::WindowDC dc(program.window());
        benchmark::DoNotOptimize(ezo::DrawImage(program.window(), dc, step, 0, 0));
        moved += program.state().viewState.xOffset != before;
        step = -step;
    }
    // A refused pan step would measure nothing but the test: all must move.
    state.counters["moved_share"] = state.iterations() ? double(moved) / double(state.iterations()) : 0;
    state.SetLabel(size.label);
}
BENCHMARK(BM_PanStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

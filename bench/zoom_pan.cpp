// One zoom step and one pan step on the viewed picture, each with the frame
// it draws, on the real main window of a headless device: a 48-megapixel
// photo against a 1-megapixel one. Only what lands in the 240 x 268 frame
// is computed, so the time per frame must not grow with the picture. A
// fitted frame is averaged from the picture's reduced copies; beside it, in
// the same run, the nearest-pixel frame drawn before, and the making of the
// reduced copies, once per picture.
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
#include "image/render.h"
#include "platform/gdi/blit.h"
#include "platform/gdi/memory_budget.h"
#include "platform/gdi/reduced_copies.h"

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

// Shows the photo the benchmark's argument names, or marks the benchmark
// skipped.
bool ShowPhotoOf(benchmark::State& state, bench::Program& program) {
    if (ShowPhoto(program, kPhotos[state.range(0)])) return true;
    state.SkipWithError("cannot show the photo");
    return false;
}

// Zooms in and out in turn: each iteration is one step of the ladder and
// the frame it draws.
void BM_ZoomStep(benchmark::State& state) {
    gdi::ScopedMemoryBudget budget(1ull << 30);
    const Size size = kPhotos[state.range(0)];
    bench::Program program;
    if (!ShowPhotoOf(state, program)) return;
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
    if (!ShowPhotoOf(state, program)) return;
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

// The fitted frame of the photo into a 240 x 268 bitmap: averaged
// (HALFTONE, the view's way) or nearest-pixel (COLORONCOLOR, as before).
void BM_FitFrame(benchmark::State& state) {
    gdi::ScopedMemoryBudget budget(1ull << 30);
    const Size size = kPhotos[state.range(0)];
    const bool smooth = state.range(1) != 0;
    bench::Program program;
    if (!ShowPhotoOf(state, program)) return;
    ezo::ViewState& view = program.state().viewState;
    view.fitToggle = 1;
    const gdi::RECT client{0, 0, 240, 268};
    gdi::BitmapPtr frame = gdi::CreateCompatibleBitmap(nullptr, client.right, client.bottom);
    gdi::DeviceContextPtr target = gdi::CreateCompatibleDC(nullptr), source = gdi::CreateCompatibleDC(nullptr);
    gdi::SelectScope<gdi::HBITMAP> intoFrame(target.get(), frame.get());
    gdi::SelectScope<gdi::HBITMAP> fromPhoto(source.get(), view.currentImage.get());
    gdi::SetStretchBltMode(target.get(), smooth ? gdi::HALFTONE : gdi::COLORONCOLOR);
    gdi::BITMAP description{};
    gdi::GetObject(view.currentImage.get(), sizeof description, &description);
    // The reduced copies are made at the first frame (BM_ReduceOnce).
    ezo::RenderImage(view, target.get(), source.get(), client, description, 0, 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(ezo::RenderImage(view, target.get(), source.get(), client, description, 0, 0));
    state.SetLabel(std::string(size.label) + (smooth ? " averaged" : " nearest"));
}
BENCHMARK(BM_FitFrame)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMicrosecond);

// Making the reduced copies a fitted frame reads: once per picture.
void BM_ReduceOnce(benchmark::State& state) {
    gdi::ScopedMemoryBudget budget(1ull << 30);
    const Size size = kPhotos[state.range(0)];
    bench::Program program;
    if (!ShowPhotoOf(state, program)) return;
    const gdi::Bitmap& photo = *program.state().viewState.currentImage;
    int levels = 0;
    for (auto _ : state) {
        gdi::DropReducedCopies(photo);
        levels = gdi::ReduceUpTo(photo, 8);
    }
    state.counters["levels"] = levels;
    state.SetLabel(size.label);
}
BENCHMARK(BM_ReduceOnce)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

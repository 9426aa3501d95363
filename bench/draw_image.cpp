// Time per frame of the picture view, and of one quarter turn. A frame
// should cost the same for a 48-megapixel picture as for a 1-megapixel one:
// only what lands in the 240 x 268 frame is computed.
#include <benchmark/benchmark.h>

#include "image/draw_view.h"
#include "image/turn.h"
#include "image/view_recentre.h"
#include "shell/program.h"
#include "platform/device/window_api.h"
#include "platform/gdi/memory_budget.h"

namespace {

constexpr int32_t kFrameHeight = 268;

// A window of 240 x 268 with nothing behind it.
class FrameBackend final : public device::Backend {
public:
    gdi::HDC GetDC(device::HWND) override { return gdi::CreateCompatibleDC(nullptr).release(); }
    void ReleaseDC(device::HWND, gdi::HDC dc) override { delete dc; }
    bool GetClientRect(device::HWND, gdi::RECT* rect) override {
        *rect = gdi::RECT{0, 0, 240, kFrameHeight};
        return true;
    }
    int MessageBox(device::HWND, std::u16string_view, std::u16string_view, unsigned) override {
        return device::IDOK;
    }
    void SetCursor(device::Cursor) override {}
    bool InvalidateRect(device::HWND, const gdi::RECT*, bool) override { return true; }
    bool UpdateWindow(device::HWND) override { return true; }
};

FrameBackend frameBackend;

gdi::BitmapPtr MakePicture(int32_t width, int32_t height) {
    gdi::BITMAPINFO info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    gdi::BitmapPtr bitmap = gdi::CreateDIBSection(nullptr, &info, gdi::DIB_RGB_COLORS, &bits);
    if (!bitmap) return bitmap;
    for (int32_t y = 0; y < height; ++y) {
        uint8_t* row = bitmap->row(y);
        for (int32_t i = 0; i < width * 3; ++i) row[i] = uint8_t(i * 7 + y * 13);
    }
    return bitmap;
}

struct Size {
    int32_t width, height;
};
const Size kPictures[] = {{8000, 6000}, {1000, 1000}};

// Arguments: picture (0: 48 MP, 1: 1 MP), mode (0: fitted, 1: zoom 1.0, 2: zoom 7.0).
void BM_DrawImage(benchmark::State& state) {
    gdi::ScopedMemoryBudget budget(1ull << 30);
    device::SetBackend(&frameBackend);
    const Size size = kPictures[state.range(0)];
    ezo::ProgramWindow window;  // 240 x 268 through the backend, never created
    ezo::ViewState& view = window.program.viewState;
    view.currentImage = MakePicture(size.width, size.height);
    if (!view.currentImage) {
        state.SkipWithError("no memory for the picture");
        return;
    }
    const int mode = int(state.range(1));
    view.fitToggle = mode == 0;
    view.zoom = mode == 2 ? 7.0f : 1.0f;
    ezo::RecentreView(view, 0);

    gdi::BitmapPtr frame = gdi::CreateCompatibleBitmap(nullptr, 240, kFrameHeight);
    gdi::DeviceContextPtr memory = gdi::CreateCompatibleDC(nullptr);
    gdi::SelectScope<gdi::HBITMAP> select(memory.get(), frame.get());
    for (auto _ : state) {
        benchmark::DoNotOptimize(ezo::DrawImage(&window, memory.get(), 0, 0, 1));
        benchmark::ClobberMemory();
    }
    view.currentImage.reset();
    device::SetBackend(nullptr);
}
BENCHMARK(BM_DrawImage)
    ->ArgNames({"picture", "mode"})
    ->ArgsProduct({{0, 1}, {0, 1, 2}})
    ->Unit(benchmark::kMicrosecond);

// One quarter turn of a 12-megapixel picture (4000 x 3000, 24-bit).
void BM_TurnImage(benchmark::State& state) {
    gdi::ScopedMemoryBudget budget(1ull << 30);
    ezo::ProgramWindow window;  // never created: the picture's owner only
    window.program.viewState.currentImage = MakePicture(4000, 3000);
    int clockwise = 1;
    for (auto _ : state) {
        if (!ezo::TurnImage(&window, nullptr, clockwise)) {
            state.SkipWithError("turn failed");
            break;
        }
        clockwise = !clockwise;
    }
    window.program.viewState.currentImage.reset();
}
BENCHMARK(BM_TurnImage)->Unit(benchmark::kMillisecond)->Iterations(6);

}  // namespace

BENCHMARK_MAIN();

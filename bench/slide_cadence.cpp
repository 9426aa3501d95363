// The slide show's cadence with Cover Left, on the headless device's virtual
// clock: two pictures of one colour each fill the 240 x 268 view; after each
// slide tick the new picture's left edge is read from the screen at every
// 50 ms step. Reported as counters, per transition:
//   ticks      50 ms ticks from the start of the transition to its end (26)
//   first_x    left edge of the first visible frame (230: the frame at 240
//              lies off the screen)
//   step_x     mean movement between visible frames (10)
//   final_x    left edge once it ended (0: the final frame at (0, 0))
//   gap_ms     virtual time from the end of one transition to the next
//              slide tick (slideSeconds x 1000)
// and wall_us_per_frame, the real time one tick takes.
#include <benchmark/benchmark.h>

#include <chrono>

#include <QImage>

#include "shell/shell_windows.h"
#include "app/slide_show.h"
#include "bench_program.h"
#include "shell/image_kind.h"
#include "image/open_image.h"

namespace {

constexpr int kClientTop = 26;
constexpr int kSampleRow = kClientTop + 134;
constexpr int kTick = 50;
constexpr int kSlideSeconds = 1;
constexpr int kMaxTicks = 100;

bool Near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) < 60;
}

// The leftmost column of the sample row that no longer shows the old colour; 240 when none.
int NewEdge(const QImage& screen, QRgb old) {
    for (int x = 0; x < 240; ++x)
        if (!Near(screen.pixel(x, kSampleRow), old)) return x;
    return 240;
}

void BM_SlideCadence(benchmark::State& state) {
    bench::Program program;
    const uint8_t red[3] = {220, 30, 30};
    const uint8_t blue[3] = {30, 30, 220};
    if (!bench::WriteJpeg(program.root() / "a.jpg", 240, 268, red) ||
        !bench::WriteJpeg(program.root() / "b.jpg", 240, 268, blue)) {
        state.SkipWithError("cannot write the pictures");
        return;
    }
    program.ListRoot();
    ezo::Program& viewer = program.state();
    viewer.settings.slideEffect = ezo::CoverLeft;
    viewer.settings.slideSeconds = kSlideSeconds;
    ezo::HideBrowseWindows(viewer.shell);  // as opening from the list does
    if (!ezo::OpenImageForView(program.window(), u"\\a.jpg", ezo::Jpg, 0)) {
        state.SkipWithError("the picture does not open");
        return;
    }
    device::Device& device = program.device();
    device.processPending();
    ezo::StartSlideShow(program.window());
    if (!viewer.shell.slideShowRunning) {
        state.SkipWithError("the slide show does not start");
        return;
    }

    double ticks = 0, firstX = 0, stepX = 0, finalX = 0, gapMs = 0, wallUs = 0;
    int64_t frames = 0;
    for (auto _ : state) {
        // Wait for the slide tick that starts the next transition.
        int64_t waited = 0;
        while (!viewer.viewState.effectRunning && waited < 10 * kSlideSeconds * 1000) {
            device.advance(kTick);
            waited += kTick;
        }
        if (!viewer.viewState.effectRunning) {
            state.SkipWithError("no transition started");
            break;
        }
        gapMs += double(waited);
        const QRgb old = device.grabScreen().pixel(120, kSampleRow);
        int count = 0, first = -1, last = 240, visible = 0;
        const auto start = std::chrono::steady_clock::now();
        while (viewer.viewState.effectRunning && count < kMaxTicks) {
            device.advance(kTick);
            ++count;
            const int edge = NewEdge(device.grabScreen(), old);
            if (edge < 240 && viewer.viewState.effectRunning) {
                if (first < 0) first = edge;
                last = edge;
                ++visible;
            }
        }
        wallUs += std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
        frames += count;
        ticks += count;
        firstX += first;
        stepX += visible > 1 ? double(first - last) / (visible - 1) : 0;
        finalX += NewEdge(device.grabScreen(), old);
    }
    const double n = double(std::max<int64_t>(state.iterations(), 1));
    state.counters["ticks"] = ticks / n;
    state.counters["first_x"] = firstX / n;
    state.counters["step_x"] = stepX / n;
    state.counters["final_x"] = finalX / n;
    // The first wait includes the show's start; later ones are the interval.
    state.counters["gap_ms"] = gapMs / n;
    state.counters["wall_us_per_frame"] = frames ? wallUs / double(frames) : 0;
    ezo::StopSlideShow(program.window());
}
BENCHMARK(BM_SlideCadence)->Iterations(4)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

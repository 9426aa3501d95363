// An idle viewer uses no processor time: the main window open on a device
// with the real clock, its message loop running for a few real seconds with
// nothing to do, first on the browse screen and then with a picture shown.
// Reported as cpu_ms_per_s, the process's user and system time per second
// of wall time (target: below 10, that is 1 %).
#include <benchmark/benchmark.h>

#include <chrono>

#include <QTimer>

#include <sys/resource.h>

#include "shell/shell_windows.h"
#include "bench_program.h"
#include "shell/image_kind.h"
#include "image/open_image.h"
#include "platform/device/message_loop.h"

namespace {

constexpr int kIdleMs = 3000;

double CpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

// Argument: 0 the browse screen, 1 a picture shown.
void BM_IdleCpu(benchmark::State& state) {
    bench::Program program(/*virtualClock=*/false);
    if (state.range(0) == 1) {
        const uint8_t grey[3] = {128, 128, 128};
        ezo::HideBrowseWindows(program.state().shell);  // as opening from the list does
        if (!bench::WriteJpeg(program.root() / "a.jpg", 640, 480, grey) ||
            !ezo::OpenImageForView(program.window(), u"\\a.jpg", ezo::Jpg, 0)) {
            state.SkipWithError("the picture does not open");
            return;
        }
    }
    program.device().processPending();
    double cpuMs = 0, wallMs = 0;
    for (auto _ : state) {
        // The loop runs until the quit message, posted after the idle time;
        // the window stays, as the quit only ends this loop.
        QTimer::singleShot(kIdleMs, [] { device::PostQuitMessage(0); });
        const double cpuBefore = CpuMs();
        const auto start = std::chrono::steady_clock::now();
        program.device().runMessageLoop();
        wallMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        cpuMs += CpuMs() - cpuBefore;
    }
    state.counters["cpu_ms_per_s"] = wallMs > 0 ? cpuMs * 1000.0 / wallMs : 0;
    state.SetLabel(state.range(0) ? "viewing" : "browsing");
}
BENCHMARK(BM_IdleCpu)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

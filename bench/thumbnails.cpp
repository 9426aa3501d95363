// The thumbnail pass over a folder of 30 photo-like 12 MP JPEGs on one core:
// a first visit (nothing stored) beside vipsthumbnail (one thread, 64 x 60)
// on the same files, progressive files, a second visit (everything stored),
// the pass's peak memory, and how soon a stop returns during a 48 MP decode.
//
// Targets: first visit >= 30 thumbnails/s and >= 1.5 x vipsthumbnail's
// rate; progressive >= 9/s; second visit < 100 ms for the folder; peak
// memory <= one reduced decode + 4 MiB; a stop within 50 ms.
#include <benchmark/benchmark.h>

#include "photo_jpeg.h"
#include "proc_status.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include "browse/file_list.h"
#include "platform/files/device_paths.h"
#include "platform/gdi/pixel_memory.h"
#include "shell/image_kind.h"
#include "shell/program.h"
#include "shell/thumbnail_thread.h"
#include "thumbs/thumbnail_generator.h"
#include "thumbs/thumbnail_store.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr int kFolderSize = 30;
using Scans = jpeg_writer::Format::Scans;

// A temporary folder removed at exit.
fs::path TempFolder(const char* what) {
    std::string pattern = (fs::temp_directory_path() / (std::string("ezo-bench-") + what + "-XXXXXX")).string();
    if (!mkdtemp(pattern.data())) std::abort();
    static std::vector<fs::path> made;
    if (made.empty()) std::atexit([] {
            for (const fs::path& p : made) fs::remove_all(p);
        });
    made.push_back(pattern);
    return pattern;
}

// 30 photos of 4000 x 3000 (one picture written, copied under 30 names).
const fs::path& PhotoFolder(Scans scans) {
    static fs::path folders[2];
    fs::path& folder = folders[scans == Scans::Progressive ? 1 : 0];
    if (folder.empty()) {
        folder = TempFolder("thumbs");
        if (!bench::WriteJpeg(folder / "p00.jpg", 4000, 3000, nullptr, scans)) std::abort();
        for (int i = 1; i < kFolderSize; ++i)
            fs::copy_file(folder / "p00.jpg", folder / ((i < 10 ? "p0" : "p") + std::to_string(i) + ".jpg"));
    }
    return folder;
}

std::vector<ezo::PassEntry> EntriesOf(const fs::path& folder) {
    std::vector<ezo::PassEntry> entries;
    for (const auto& file : fs::directory_iterator(folder)) {
        const std::string name = file.path().filename();
        entries.push_back({std::u16string(name.begin(), name.end()), file.file_size(), ezo::Jpg, int(entries.size())});
    }
    return entries;
}

// One pass over the folder on this thread, into a store in storeFolder.
int RunPass(const fs::path& folder, const fs::path& storeFolder) {
    files::SetDeviceRoot(folder);
    files::SetThumbnailFolder(storeFolder);
    ezo::ThumbnailStore store;
    ezo::OpenThumbnailStore(store);
    ezo::ThumbnailPassState pass;
    ezo::ThumbnailJob job{u"\\", EntriesOf(folder), nullptr, &store, &pass};
    ezo::GenerateThumbnails(job);
    return int(pass.finished.size());
}

// Processor time of this thread, in seconds: on a busy machine it is
// disturbed less than the wall time.
double ThreadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

void EmptyFolder(const fs::path& folder) {
    fs::remove_all(folder);
    fs::create_directories(folder);
}

void BM_FirstVisit(benchmark::State& state) {
    const Scans scans = state.range(0) ? Scans::Progressive : Scans::Baseline;
    const fs::path folder = PhotoFolder(scans);
    const fs::path store = TempFolder("store");
    int made = 0;
    double cpuSeconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        EmptyFolder(store);
        state.ResumeTiming();
        const double start = ThreadCpuSeconds();
        made = RunPass(folder, store);
        cpuSeconds += ThreadCpuSeconds() - start;
    }
    state.counters["thumbnails"] = made;
    state.counters["per_cpu_s"] = cpuSeconds > 0 ? double(made) * double(state.iterations()) / cpuSeconds : 0;
    state.counters["per_s"] = benchmark::Counter(double(made) * double(state.iterations()), benchmark::Counter::kIsRate);
    state.SetLabel(scans == Scans::Progressive ? "progressive" : "baseline");
}
BENCHMARK(BM_FirstVisit)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

// vipsthumbnail on the same 30 files, one process, one worker thread.
void BM_Vipsthumbnail(benchmark::State& state) {
    const Scans scans = state.range(0) ? Scans::Progressive : Scans::Baseline;
    const fs::path folder = PhotoFolder(scans);
    const fs::path out = TempFolder("vips");
    std::vector<std::string> args{"vipsthumbnail", "--size", "64x60", "-o", (out / "%s.jpg").string()};
    for (const ezo::PassEntry& e : EntriesOf(folder)) args.push_back((folder / std::string(e.name.begin(), e.name.end())).string());
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> envText{"VIPS_CONCURRENCY=1"};
    for (char** e = environ; *e; ++e) envText.push_back(*e);
    std::vector<char*> envp;
    for (std::string& e : envText) envp.push_back(e.data());
    envp.push_back(nullptr);
    double cpuSeconds = 0;
    for (auto _ : state) {
        pid_t child;
        int status = 0;
        rusage usage{};
        if (posix_spawnp(&child, "vipsthumbnail", nullptr, nullptr, argv.data(), envp.data()) != 0 ||
            wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("vipsthumbnail failed (libvips-tools installed?)");
            break;
        }
        cpuSeconds += double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                      double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
    state.counters["per_s"] =
        benchmark::Counter(double(kFolderSize) * double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["per_cpu_s"] = cpuSeconds > 0 ? double(kFolderSize) * double(state.iterations()) / cpuSeconds : 0;
    state.SetLabel(scans == Scans::Progressive ? "progressive" : "baseline");
}
BENCHMARK(BM_Vipsthumbnail)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

// The same folder again: every thumbnail comes from the store.
void BM_SecondVisit(benchmark::State& state) {
    const fs::path folder = PhotoFolder(Scans::Baseline);
    const fs::path store = TempFolder("store");
    RunPass(folder, store);
    int loaded = 0;
    for (auto _ : state) loaded = RunPass(folder, store);
    state.counters["thumbnails"] = loaded;
}
BENCHMARK(BM_SecondVisit)->Unit(benchmark::kMillisecond)->UseRealTime();

// The peak memory a first visit adds, in a child process whose peak is
// reset first, beside the size of one reduced decode (4000 x 3000 at 1/8).
void BM_PassPeakMemory(benchmark::State& state) {
    const fs::path folder = PhotoFolder(Scans::Baseline);
    const fs::path store = TempFolder("store");
    double peakMiB = 0;
    for (auto _ : state) {
        EmptyFolder(store);
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) std::abort();
        const pid_t child = fork();
        if (child == 0) {
            gdi::ReleaseKeptPixels();
            std::ofstream("/proc/self/clear_refs") << "5";
            const long before = bench::StatusKiB("VmRSS");
            RunPass(folder, store);
            const long grown = bench::StatusKiB("VmHWM") - before;
            if (write(pipeEnds[1], &grown, sizeof grown) != sizeof grown) _exit(1);
            _exit(0);
        }
        long grown = 0;
        if (read(pipeEnds[0], &grown, sizeof grown) != sizeof grown) state.SkipWithError("child failed");
        waitpid(child, nullptr, 0);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        peakMiB = grown / 1024.0;
    }
    const double decodeMiB = 500.0 * 375 * 3 / (1 << 20);
    state.counters["peak_MiB"] = peakMiB;
    state.counters["decode_MiB"] = decodeMiB;
    state.counters["over_decode_MiB"] = peakMiB - decodeMiB;
}
BENCHMARK(BM_PassPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// StopThumbnailGenerator 20 ms into the decode of a 48 MP photo.
void BM_StopDuring48MP(benchmark::State& state) {
    const fs::path folder = TempFolder("big");
    if (!bench::WriteJpeg(folder / "big.jpg", 8000, 6000)) std::abort();
    files::SetDeviceRoot(folder);
    files::SetThumbnailFolder(TempFolder("store"));
    ezo::Program program;
    program.currentFolder = u"\\";
    program.fileList.scanPath = u"\\";
    ezo::ScanFolder(program.fileList);
    ezo::OpenThumbnailStore(program.thumbnailStore);
    program.thumbnailPass.procedure = ezo::GenerateThumbnails;
    double worstMs = 0;
    for (auto _ : state) {
        ezo::StartThumbnailGenerator(program);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const auto start = std::chrono::steady_clock::now();
        ezo::StopThumbnailGenerator(program);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(ms / 1000);
        worstMs = std::max(worstMs, ms);
        program.fileList.head->thumbnail.reset();  // a finished pass would leave nothing to stop
    }
    state.counters["worst_ms"] = worstMs;
}
BENCHMARK(BM_StopDuring48MP)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// Loading JPEG photos: LoadImageFile against the library's own command-line
// decoder (djpeg, fast DCT, output thrown away) on the same files, the peak
// memory of one load against the bitmap it makes, and the time of the shared
// test pictures that are broken or hostile.
//
// Targets: a load takes no more than 1.1 x djpeg's time; its peak memory is
// no more than the bitmap + 5 MiB.
#include <benchmark/benchmark.h>

#include "photo_jpeg.h"
#include "proc_status.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <jpeglib.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "image/decoded_image.h"
#include "shell/image_kind.h"
#include "shell/program.h"
#include "platform/files/device_paths.h"
#include "platform/gdi/memory_budget.h"
#include "platform/gdi/pixel_memory.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct Photo {
    const char* name;
    int32_t width;
    int32_t height;
};
constexpr Photo kPhotos[] = {{"photo12.jpg", 4000, 3000}, {"photo48.jpg", 8000, 6000}};

// The photos, made once per run in a temporary folder that is the device root.
const fs::path& PhotoFolder() {
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "ezo-bench-jpeg-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        for (const Photo& photo : kPhotos)
            if (!bench::WriteJpeg(fs::path(pattern) / photo.name, photo.width, photo.height)) std::abort();
        std::atexit([] { fs::remove_all(PhotoFolder()); });
        return fs::path(pattern);
    }();
    return folder;
}

std::u16string DevicePath(const std::string& relative) {
    std::u16string path = u"\\";
    for (char c : relative) path.push_back(c == '/' ? u'\\' : char16_t(c));
    return path;
}

void LoadFile(benchmark::State& state, const fs::path& root, const std::string& relative) {
    files::SetDeviceRoot(root.string());
    const std::u16string path = DevicePath(relative);
    ezo::ProgramWindow owner;  // never created: the slot's owner only
    int loaded = 0;
    for (auto _ : state) {
        loaded = ezo::LoadImageFile(&owner, path, ezo::Jpg);
        benchmark::DoNotOptimize(owner.program.viewState.currentImage.get());
    }
    state.counters["loaded"] = loaded;
}

void BM_LoadImageFile(benchmark::State& state) {
    const Photo& photo = kPhotos[state.range(0)];
    LoadFile(state, PhotoFolder(), photo.name);
    state.SetLabel(photo.name);
}
BENCHMARK(BM_LoadImageFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Wall time of one djpeg process decoding the file to nowhere; its processor
// time too (cpu_ms), which a busy machine disturbs less.
void BM_Djpeg(benchmark::State& state) {
    const Photo& photo = kPhotos[state.range(0)];
    const std::string file = (PhotoFolder() / photo.name).string();
    std::vector<std::string> args{"djpeg", "-dct", "fast", "-outfile", "/dev/null", file};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    double cpuSeconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        pid_t child;
        int status = 0;
        rusage usage{};
        if (posix_spawnp(&child, "djpeg", nullptr, nullptr, argv.data(), environ) != 0 ||
            wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("djpeg failed");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        cpuSeconds += usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
                      (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
    state.counters["cpu_ms"] = state.iterations() ? cpuSeconds * 1000 / double(state.iterations()) : 0;
    state.SetLabel(photo.name);
}
BENCHMARK(BM_Djpeg)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Peak memory one load adds, measured in a child process whose peak is reset
// first, against the size of the bitmap it made.
void BM_LoadPeakMemory(benchmark::State& state) {
    const Photo& photo = kPhotos[state.range(0)];
    files::SetDeviceRoot(PhotoFolder().string());
    const std::u16string path = DevicePath(photo.name);
    double peakMiB = 0, bitmapMiB = 0;
    for (auto _ : state) {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) std::abort();
        const pid_t child = fork();
        if (child == 0) {
            // Memory kept from the parent's loads would hide the cost of a first load.
            gdi::ReleaseKeptPixels();
            std::ofstream("/proc/self/clear_refs") << "5";  // resets the peak
            const long before = bench::StatusKiB("VmRSS");
            long result[2] = {0, 0};
            ezo::ProgramWindow owner;
            if (ezo::LoadImageFile(&owner, path, ezo::Jpg)) {
                result[0] = bench::StatusKiB("VmHWM") - before;
                result[1] = long(owner.program.viewState.currentImage->byteSize() / 1024);
            }
            if (write(pipeEnds[1], result, sizeof result) != sizeof result) _exit(1);
            _exit(0);
        }
        long result[2] = {0, 0};
        if (read(pipeEnds[0], result, sizeof result) != sizeof result) state.SkipWithError("child failed");
        waitpid(child, nullptr, 0);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        peakMiB = result[0] / 1024.0;
        bitmapMiB = result[1] / 1024.0;
    }
    state.counters["peak_MiB"] = peakMiB;
    state.counters["bitmap_MiB"] = bitmapMiB;
    state.counters["over_bitmap_MiB"] = peakMiB - bitmapMiB;
    state.SetLabel(photo.name);
}
BENCHMARK(BM_LoadPeakMemory)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

// The shared test pictures that are truncated, corrupt or declare huge
// sizes: each must be refused or shown partly in well under a second.
const fs::path kTestPictures = fs::path(__FILE__).parent_path() / "../../shared/testdata/images";

void BM_LoadHostile(benchmark::State& state, std::string relative) {
    LoadFile(state, kTestPictures, relative);
}

int RegisterHostile() {
    std::ifstream manifest(kTestPictures / "MANIFEST.tsv");
    std::string line;
    while (std::getline(manifest, line)) {
        if (line.rfind("jpeg/", 0) != 0) continue;
        const std::string file = line.substr(0, line.find('\t'));
        for (const char* kind : {"huge-dimensions", "truncated", "corrupt-"})
            if (line.find(std::string("\t") + kind) != std::string::npos) {
                benchmark::RegisterBenchmark(("BM_LoadHostile/" + file.substr(5)).c_str(), BM_LoadHostile, file)
                    ->Unit(benchmark::kMillisecond);
                break;
            }
    }
    return 0;
}
const int registered = RegisterHostile();

}  // namespace

BENCHMARK_MAIN();

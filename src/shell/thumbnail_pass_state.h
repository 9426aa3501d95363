#pragma once
// The thumbnail pass's state: its thread, the flag that stops it, and the
// thumbnails it has finished that wait for the user-interface thread. Part
// of the program's state (shell/program.h); shell/thumbnail_thread.h starts,
// stops and empties it.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/device/window.h"
#include "platform/gdi/bitmap.h"

namespace ezo {

struct ThumbnailStore;
struct ThumbnailPassState;

// One picture of the list that has no thumbnail yet, as the pass sees it.
// The pass reads copies only: the list itself stays the user-interface
// thread's.
struct PassEntry {
    std::u16string name;
    uint64_t size = 0;
    uint32_t kind = 0;  // an ImageKind
    int position = 0;   // 0-based place in the list
};

// A thumbnail made or loaded by the pass, on its way into its entry.
struct FinishedThumbnail {
    int position = 0;
    std::u16string name;  // checked against the entry it goes into
    gdi::BitmapPtr bitmap;
    int32_t thumbLeft = 0;
    int32_t thumbTop = 0;
};

// What one pass works on, built on the user-interface thread at its start.
struct ThumbnailJob {
    std::u16string folder;  // the listed folder, ending in "\"
    std::vector<PassEntry> entries;
    device::HWND grid = nullptr;     // told when thumbnails are finished
    ThumbnailStore* store = nullptr;  // the pass's alone while it runs
    ThumbnailPassState* pass = nullptr;
};

// The pass itself. The thumbs layer makes thumbnails, but the folder tree
// and the viewer below it start and stop passes at their own steps; with the
// thread owned here and the procedure installed once at start, every caller
// keeps its one call in place instead of handing the start up to app/.
using ThumbnailPassProcedure = void (*)(ThumbnailJob& job);

struct ThumbnailPassState {
    ThumbnailPassState() = default;
    ThumbnailPassState(const ThumbnailPassState&) = delete;
    ThumbnailPassState& operator=(const ThumbnailPassState&) = delete;
    // A program state that goes away with a pass still running (a test's,
    // or a window that never finished closing) ends the pass first.
    ~ThumbnailPassState() {
        cancel = true;
        if (thread.joinable()) thread.join();
    }

    ThumbnailPassProcedure procedure = nullptr;
    std::thread thread;
    std::atomic<bool> cancel{false};
    std::atomic<bool> active{false};  // the thread is inside the procedure
    mutable std::mutex mutex;
    std::vector<FinishedThumbnail> finished;  // guarded by mutex
};

}  // namespace ezo

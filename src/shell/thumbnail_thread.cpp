#include "shell/thumbnail_thread.h"

#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>

#include "platform/device/message_loop.h"
#include "platform/device/window_api.h"
#include "shell/program.h"

namespace ezo {
namespace {

// The pass yields to the user-interface thread: a few nice steps below the
// process's own, on this thread only (Linux gives each thread its own).
constexpr int kBelowNormalSteps = 3;

void LowerThreadPriority() {
    const int tid = int(gettid());
    errno = 0;
    const int current = getpriority(PRIO_PROCESS, id_t(tid));
    if (errno == 0) setpriority(PRIO_PROCESS, id_t(tid), current + kBelowNormalSteps);
}

// The pass reads the list's folder and the entries still without a
// thumbnail; the list itself is never shared with its thread.
ThumbnailJob MakeJob(Program& program) {
    ThumbnailJob job;
    job.folder = program.currentFolder;
    int position = 0;
    for (const FileEntry* e = program.fileList.head.get(); e; e = e->next.get(), ++position)
        if (!e->thumbnail) job.entries.push_back({e->name, e->size, e->kind, position});
    job.grid = program.shell.thumbGrid;
    job.store = &program.thumbnailStore;
    job.pass = &program.thumbnailPass;
    return job;
}

}  // namespace

void StartThumbnailGenerator(Program& program) {
    StopThumbnailGenerator(program);
    ThumbnailPassState& pass = program.thumbnailPass;
    if (!pass.procedure) return;
    ThumbnailJob job = MakeJob(program);
    // Making thumbnails once took over the viewer's picture slot; the
    // browse screen keeps that look (no picture loaded) while a pass works.
    // A picture on view stays: the pass does not need its slot.
    if (!job.entries.empty() && program.shell.browseMode) {
        program.viewState.imageLoaded = 0;
        program.viewState.currentImage.reset();
    }
    pass.cancel = false;
    pass.active = true;
    pass.thread = std::thread([&pass, job = std::move(job)]() mutable {
        LowerThreadPriority();
        pass.procedure(job);
        pass.active = false;
    });
}

void StopThumbnailGenerator(Program& program) {
    ThumbnailPassState& pass = program.thumbnailPass;
    if (!pass.thread.joinable()) return;
    pass.cancel = true;
    pass.thread.join();
    // What was finished stays with its entries; the grid paints it.
    if (!TakeFinishedThumbnails(program).empty() && program.shell.thumbGrid)
        device::InvalidateRect(program.shell.thumbGrid, nullptr, false);
}

int ThumbnailGeneratorRunning(const Program& program) { return program.thumbnailPass.thread.joinable() ? 1 : 0; }

std::vector<int> TakeFinishedThumbnails(Program& program) {
    std::vector<FinishedThumbnail> finished;
    {
        std::lock_guard lock(program.thumbnailPass.mutex);
        finished.swap(program.thumbnailPass.finished);
    }
    std::vector<int> positions;
    if (finished.empty()) return positions;
    std::vector<FileEntry*> entries;
    for (FileEntry* e = program.fileList.head.get(); e; e = e->next.get()) entries.push_back(e);
    for (FinishedThumbnail& done : finished) {
        if (done.position < 0 || size_t(done.position) >= entries.size()) continue;
        FileEntry& entry = *entries[size_t(done.position)];
        // The list is rebuilt only after a stop, which empties the queue;
        // the name check keeps a thumbnail out of any other entry all the same.
        if (entry.thumbnail || entry.name != done.name) continue;
        entry.thumbLeft = done.thumbLeft;
        entry.thumbTop = done.thumbTop;
        entry.thumbnail = std::move(done.bitmap);
        positions.push_back(done.position);
    }
    return positions;
}

bool ThumbnailPassSettled(const Program& program) {
    const ThumbnailPassState& pass = program.thumbnailPass;
    if (pass.active) return false;
    std::lock_guard lock(pass.mutex);
    return pass.finished.empty();
}

bool ThumbnailPassCancelled(const ThumbnailJob& job) { return job.pass->cancel.load(std::memory_order_relaxed); }

void HandOverThumbnail(ThumbnailJob& job, FinishedThumbnail thumbnail) {
    bool wasEmpty;
    {
        std::lock_guard lock(job.pass->mutex);
        wasEmpty = job.pass->finished.empty();
        job.pass->finished.push_back(std::move(thumbnail));
    }
    if (wasEmpty) device::PostMessage(job.grid, kMsgThumbnailsReady, 0, 0);
}

}  // namespace ezo

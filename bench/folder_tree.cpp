// Expanding a folder with many subfolders in the folder tree: the real main
// window on a headless device, a folder of 1,000, 6,000 or 12,000 empty
// subfolders, timed from the expansion to the filled, sorted tree (the
// children are read afresh on every expansion). Target: 12,000 under 1 s.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "bench_program.h"
#include "platform/controls/tree_view.h"

namespace {

using controls::HTREEITEM;

HTREEITEM Next(device::HWND tree, HTREEITEM item, uint32_t code) {
    return reinterpret_cast<HTREEITEM>(
        device::SendMessage(tree, controls::TVM_GETNEXTITEM, code, reinterpret_cast<device::LPARAM>(item)));
}

void Expand(device::HWND tree, HTREEITEM item, uint32_t code) {
    device::SendMessage(tree, controls::TVM_EXPAND, code, reinterpret_cast<device::LPARAM>(item));
}

void Select(device::HWND tree, HTREEITEM item) {
    device::SendMessage(tree, controls::TVM_SELECTITEM, controls::TVGN_CARET, reinterpret_cast<device::LPARAM>(item));
}

int ChildCount(device::HWND tree, HTREEITEM item) {
    int count = 0;
    for (HTREEITEM c = Next(tree, item, controls::TVGN_CHILD); c; c = Next(tree, c, controls::TVGN_NEXT)) ++count;
    return count;
}

// Names in reverse order of creation, so the host lists them unsorted.
void MakeSubfolders(bench::Program& program, int count) {
    for (int i = count; i > 0; --i) {
        char name[32];
        std::snprintf(name, sizeof name, "Folder %05d", (i * 7919) % 100000);
        bench::fs::create_directories(program.root() / "Many" / name);
    }
}

// The root was read before the folders were made: give it its button back
// and read it again.
HTREEITEM ExpandRootAgain(device::HWND tree) {
    const HTREEITEM root = Next(tree, nullptr, controls::TVGN_ROOT);
    controls::TVITEMW button;
    button.mask = controls::TVIF_CHILDREN;
    button.hItem = root;
    button.cChildren = 1;
    device::SendMessage(tree, controls::TVM_SETITEMW, 0, reinterpret_cast<device::LPARAM>(&button));
    Expand(tree, root, controls::TVE_EXPAND);
    return root;
}

void BM_ExpandFolderOfSubfolders(benchmark::State& state) {
    const int count = int(state.range(0));
    bench::Program program;
    MakeSubfolders(program, count);
    const device::HWND tree = program.state().shell.tree;
    const HTREEITEM root = ExpandRootAgain(tree);
    const HTREEITEM many = Next(tree, root, controls::TVGN_CHILD);
    for (auto _ : state) {
        Expand(tree, many, controls::TVE_EXPAND);
        program.device().processPending();
        state.PauseTiming();
        if (ChildCount(tree, many) != count) {
            state.SkipWithError(("the tree holds " + std::to_string(ChildCount(tree, many)) + " subfolders").c_str());
            return;
        }
        Expand(tree, many, controls::TVE_COLLAPSE);
        program.device().processPending();
        state.ResumeTiming();
    }
    state.counters["subfolders"] = count;
}
// Selecting the folder while it is expanded reads it again too, with its
// old children on view while they are deleted.
void BM_SelectExpandedFolder(benchmark::State& state) {
    const int count = int(state.range(0));
    bench::Program program;
    MakeSubfolders(program, count);
    const device::HWND tree = program.state().shell.tree;
    const HTREEITEM root = ExpandRootAgain(tree);
    for (auto _ : state) {
        state.PauseTiming();
        // The root selected reads its children afresh: look the folder up again.
        Select(tree, root);
        const HTREEITEM many = Next(tree, root, controls::TVGN_CHILD);
        Expand(tree, many, controls::TVE_EXPAND);
        program.device().processPending();
        state.ResumeTiming();
        Select(tree, many);
        program.device().processPending();
        if (ChildCount(tree, many) != count) {
            state.SkipWithError("the tree does not hold every subfolder");
            return;
        }
    }
}
BENCHMARK(BM_SelectExpandedFolder)->Arg(1000)->Arg(6000)->Arg(12000)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK(BM_ExpandFolderOfSubfolders)->Arg(1000)->Arg(6000)->Arg(12000)->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

BENCHMARK_MAIN();

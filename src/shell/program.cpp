#include "shell/program.h"

#include <cstdio>
#include <cstdlib>

namespace ezo {

Program& ProgramOf(device::HWND window) {
    // Children name their parent, top-level windows their owner.
    for (device::HWND w = window; w; w = device::GetParent(w))
        if (auto* owner = dynamic_cast<ProgramWindow*>(w)) return owner->program;
    std::fputs("ezo: a window outside the program asked for its state\n", stderr);
    std::abort();
}

}  // namespace ezo

#pragma once
// The thumbnail pass: for each entry of the job in list order, the stored
// thumbnail when the store has one that loads, else one made from the
// picture (and stored when the picture is large). Each finished thumbnail is
// handed to the user-interface thread at once, so the grid fills from the
// top. Runs on the pass's thread; stops between entries and inside a decode
// once the pass is cancelled.
#include "shell/thumbnail_pass_state.h"

namespace ezo {

// The pass procedure the program installs (shell/thumbnail_pass_state.h).
void GenerateThumbnails(ThumbnailJob& job);

}  // namespace ezo

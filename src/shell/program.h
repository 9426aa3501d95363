#pragma once
// The program's state in one place: the settings, the shell's windows and
// flags, the picture on view and its transition, the listed folder and the
// thumbnail grid. The main window owns it; every part of the program reaches
// it from a window, as a control reaches its state from its handle. A new
// main window starts from a fresh state, and that is the only reset there is.
#include <string>

#include "platform/device/window.h"
#include "settings/settings.h"
#include "shell/file_entries.h"
#include "shell/grid_state.h"
#include "shell/shell_state.h"
#include "shell/thumbnail_pass_state.h"
#include "shell/thumbnail_store_state.h"
#include "shell/view_state.h"

namespace ezo {

struct Program {
    Settings settings;
    Shell shell;
    ViewState viewState;
    TransitionState transition;
    FileList fileList;
    GridState grid;
    // The folder selected (or last expanded) in the tree, ending in "\":
    // "\" for the root. Saved as the folder to show at the next start.
    std::u16string currentFolder;
    ThumbnailStore thumbnailStore;
    ThumbnailPassState thumbnailPass;
};

// The view screen shows a picture in memory.
inline bool PictureOnView(const Program& program) {
    return program.viewState.imageLoaded && !program.shell.browseMode;
}

// The base of the main window's class: the window that owns the state.
class ProgramWindow : public device::Window {
public:
    Program program;
};

// The state of the main window that window is, or is a child of, or is
// owned by (a dialog, a message box). Every window of the program has one.
Program& ProgramOf(device::HWND window);

}  // namespace ezo

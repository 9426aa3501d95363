// What the main window shows first: the folder saved at the last exit, or
// the latest or the selected file opened for viewing; a path given on the
// command line takes the place of the stored choice for this run.
#include "app/start_option.h"

#include "app/main_window.h"
#include "app/slide_show.h"
#include "app/view_modes.h"
#include "browse/file_list.h"
#include "browse/folder_tree.h"
#include "browse/path_text.h"
#include "image/open_image.h"
#include "platform/device/window.h"
#include "shell/shell_windows.h"

namespace ezo {
namespace {

bool IsFolderPath(std::u16string_view path) { return !path.empty() && path.back() == u'\\'; }

// A start file that cannot be opened leaves the browse screen with the
// empty-folder notice and the report bar.
void ShowStartFailure(device::HWND window) {
    Program& program = ProgramOf(window);
    Shell& shell = program.shell;
    shell.BrowseView = Report;
    shell.thumbViewActive = 0;
    if (shell.noImages) device::ShowWindow(shell.noImages, device::SW_SHOW);
    shell.viewBarBits = 0;
    HideViewBars(shell);
    ShowBrowseBar(shell);
    if (shell.tree) device::ShowWindow(shell.tree, device::SW_SHOW);
    ShowSplitButtons(shell, shell.splitButtonBits);
    program.viewState.imageLoaded = 0;
    shell.browseMode = 1;
    device::WindowDC dc(window);
    ShowSeparator(shell, dc);
}

void RevealStartFolder(Program& program, std::u16string_view folder) {
    program.fileList.scanPath = folder;
    RevealFolder(program, folder);
}

}  // namespace

int OpenStartPicture(device::HWND window, const std::u16string& path) {
    Program& program = ProgramOf(window);
    Shell& shell = program.shell;
    program.fileList.scanPath = path;
    if (shell.fileList && !device::IsWindowVisible(shell.fileList)) shell.thumbViewActive = 1;
    HideBrowseWindows(shell);
    const int kind = ImageKindOfName(FileNameOfPath(path, 0));
    program.currentFolder = FolderOfPath(path);
    shell.BrowseView = Thumbnails;
    if (!OpenImageForView(window, path, kind, 0)) {
        ShowStartFailure(window);
        return 0;
    }
    // The walk ends at the file's folder, as the file name matches no folder.
    RevealFolder(program, path);
    // A folder without pictures on the way shows its notice; the picture
    // stays in front of all of them.
    HideBrowseWindows(shell);
    // Selecting the folder lists it into scanPath; stepping to the next and
    // previous picture finds the current one by its full path there.
    program.fileList.scanPath = path;
    return 1;
}

namespace {

// A path that is not a picture (a folder, or another file) reveals its
// folder; a picture that fails to open falls back like a stored one, then
// shows its folder, where the user was heading.
void ShowStartPath(device::HWND window, const std::u16string& path) {
    Program& program = ProgramOf(window);
    if (IsFolderPath(path) || ImageKindOfName(FileNameOfPath(path, 0)) < 0) {
        RevealStartFolder(program, FolderOfPath(path));
    } else if (!OpenStartPicture(window, path)) {
        RevealStartFolder(program, FolderOfPath(path));
    }
}

}  // namespace

void ShowLaterStartPath(device::HWND window, const std::u16string& path) {
    Program& program = ProgramOf(window);
    // The way back to the browse screen a user would take: the slide show
    // (and its transition) ends, full screen ends, then Back.
    if (!program.shell.browseMode) {
        StopSlideShow(window);
        if (program.viewState.fullScreen) FullScreenCommand(window);
        BackToBrowse(window);
    }
    ShowStartPath(window, path);
}

void ApplyStartOption(device::HWND window) {
    Program& program = ProgramOf(window);
    const Settings& settings = program.settings;
    if (!startPath.empty()) {
        ShowStartPath(window, startPath);
        return;
    }
    switch (settings.openMode) {
    case OpenLatestFile:
        OpenStartPicture(window, settings.latestFile);
        break;
    case OpenSelectedFile:
        OpenStartPicture(window, settings.selectedFile);
        break;
    default:
        // The stored folder is kept in latestFile when no file is opened at start.
        RevealStartFolder(program, settings.latestFile);
        break;
    }
}

}  // namespace ezo

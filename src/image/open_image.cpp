#include "image/open_image.h"

#include <vector>

#include "browse/path_text.h"
#include "image/decoded_image.h"
#include "image/draw_view.h"
#include "image/transition.h"
#include "image/view_recentre.h"
#include "platform/device/window.h"
#include "platform/files/name_case.h"
#include "shell/program.h"
#include "shell/shell_windows.h"
#include "shell/thumbnail_thread.h"

namespace ezo {

namespace {

bool IsImageKind(int kind) { return kind >= int(Bmp) && kind <= int(Jpeg); }

// Brings the loaded picture in: at once, or through the slide show's cover
// transition, whose ticks the slide show drives.
void ShowOpenedImage(device::HWND window, Program& program, int withEffect) {
    const int effect = program.settings.slideEffect;
    if (withEffect && effect >= CoverDown && effect <= CoverUp) {
        StartTransition(window);
        return;
    }
    // A transition still animating would go on drawing this picture.
    if (program.viewState.effectRunning) EndTransition(program);
    if (!withEffect) device::SetCursor(device::Cursor::Arrow);
    DrawView(window, 0, 0);
}

// The picture on view as an entry of the list: the entry whose full path
// is scanPath. Device names ignore case, and so does this comparison; a
// folder never lists two names that differ only in case.
struct CurrentEntry {
    const FileEntry* entry = nullptr;
    std::u16string folder;
    std::u16string path;  // the picture's path as it was opened
};

CurrentEntry FindCurrentEntry(const FileList& fileList) {
    CurrentEntry current;
    current.path = fileList.scanPath;
    current.folder = FolderOfPath(current.path);
    for (const FileEntry* e = fileList.head.get(); e; e = e->next.get()) {
        if (current.folder.size() + e->name.size() != current.path.size()) continue;
        if (files::EqualNoCase(current.folder + e->name, current.path)) {
            current.entry = e;
            break;
        }
    }
    return current;
}

// Opens the first candidate that loads. The loader lets go of the picture on
// view before it decodes, so when every candidate fails the current picture
// is loaded again: the view keeps showing what its title names.
int OpenFirstThatLoads(device::HWND window, const std::vector<const FileEntry*>& candidates,
                       const CurrentEntry& current, int withEffect) {
    for (const FileEntry* e : candidates)
        if (OpenImageForView(window, current.folder + e->name, int(e->kind), withEffect)) return 1;
    const Program& program = ProgramOf(window);
    if (!candidates.empty() && !program.viewState.currentImage && !program.shell.browseMode)
        OpenImageForView(window, current.path, int(current.entry->kind), 0);
    return 0;
}

// The entries before the current one, first first (the list is singly
// linked), and those after it.
std::vector<const FileEntry*> EntriesBefore(const FileList& fileList, const CurrentEntry& current) {
    std::vector<const FileEntry*> before;
    for (const FileEntry* e = fileList.head.get(); e != current.entry; e = e->next.get()) before.push_back(e);
    return before;
}

std::vector<const FileEntry*> EntriesAfter(const CurrentEntry& current) {
    std::vector<const FileEntry*> after;
    for (const FileEntry* e = current.entry->next.get(); e; e = e->next.get()) after.push_back(e);
    return after;
}

}  // namespace

std::u16string ViewTitle(std::u16string_view path) {
    std::u16string title = u"Ezo - " + FileNameOfPath(path, 1);
    if (title.size() > kMaxTitleLength) {
        title.resize(kMaxTitleLength);
        if (title.back() >= 0xD800 && title.back() <= 0xDBFF) title.pop_back();
    }
    return title;
}

int OpenImageForView(device::HWND window, std::u16string_view path, int kind, int withEffect) {
    // Only the four known formats have a decoder; anything else is refused
    // before the picture on view is touched.
    if (!IsImageKind(kind)) return 0;
    Program& program = ProgramOf(window);
    Shell& shell = program.shell;
    ViewState& viewState = program.viewState;
    if (ThumbnailGeneratorRunning(program)) {
        shell.thumbRestartPending = 1;
        StopThumbnailGenerator(program);
    }
    if (!withEffect) device::SetCursor(device::Cursor::Wait);

    const std::u16string file(path);
    if (!LoadImageFile(window, file, uint32_t(kind))) {
        // The slot may have been emptied before the decode failed.
        if (!viewState.currentImage) viewState.imageLoaded = 0;
        device::SetCursor(device::Cursor::Arrow);
        return 0;
    }

    shell.browseMode = 0;
    HideBrowseBars(shell);
    if (!viewState.fullScreen) ShowViewBar(shell);
    RecentreView(viewState, 0);
    program.settings.latestFile = file;
    device::SetWindowText(window, ViewTitle(file));
    ShowOpenedImage(window, program, withEffect);
    return 1;
}

int StepToNextImage(device::HWND window, int withEffect) {
    const CurrentEntry current = FindCurrentEntry(ProgramOf(window).fileList);
    if (!current.entry) return 0;
    return OpenFirstThatLoads(window, EntriesAfter(current), current, withEffect);
}

int StepToPreviousImage(device::HWND window, int withEffect) {
    const FileList& fileList = ProgramOf(window).fileList;
    const CurrentEntry current = FindCurrentEntry(fileList);
    if (!current.entry) return 0;
    const std::vector<const FileEntry*> before = EntriesBefore(fileList, current);
    return OpenFirstThatLoads(window, {before.rbegin(), before.rend()}, current, withEffect);
}

int StepToFirstImage(device::HWND window) {
    const FileList& fileList = ProgramOf(window).fileList;
    const CurrentEntry current = FindCurrentEntry(fileList);
    if (!current.entry) return 0;
    return OpenFirstThatLoads(window, EntriesBefore(fileList, current), current, 0);
}

int StepToLastImage(device::HWND window) {
    const CurrentEntry current = FindCurrentEntry(ProgramOf(window).fileList);
    if (!current.entry) return 0;
    const std::vector<const FileEntry*> after = EntriesAfter(current);
    return OpenFirstThatLoads(window, {after.rbegin(), after.rend()}, current, 0);
}

}  // namespace ezo

#include "image/open_image.h"

#include <vector>

#include "app/shell/shell_state.h"
#include "app/shell/shell_windows.h"
#include "app/shell/slide_timer.h"
#include "app/shell/thumbnail_thread.h"
#include "browse/file_list.h"
#include "browse/path_text.h"
#include "image/decoded_image.h"
#include "image/draw_view.h"
#include "image/transition.h"
#include "image/view_recentre.h"
#include "image/view_state.h"
#include "platform/device/window.h"
#include "platform/files/name_case.h"
#include "settings/settings.h"

namespace ezo {

namespace {

bool IsImageKind(int kind) { return kind >= int(Bmp) && kind <= int(Jpeg); }

// Brings the loaded picture in: at once, or through the slide show's cover
// transition, which restarts the slide timer itself when it ends.
void ShowOpenedImage(device::HWND window, int withEffect) {
    const int effect = settings.slideEffect;
    if (withEffect && effect >= CoverDown && effect <= CoverUp) {
        StartTransition(window);
        return;
    }
    // A transition still animating would go on drawing this picture.
    if (viewState.effectRunning) StopTransition(window);
    if (!withEffect) device::SetCursor(device::Cursor::Arrow);
    DrawView(window, 0, 0);
    if (withEffect && shell.slideShowRunning) StartSlideTimer(window);
}

// The picture on view as an entry of the list: the entry whose full path
// is scanPath. Device names ignore case, and so does this comparison; a
// folder never lists two names that differ only in case.
struct CurrentEntry {
    const FileEntry* entry = nullptr;
    std::u16string folder;
    std::u16string path;  // the picture's path as it was opened
};

CurrentEntry FindCurrentEntry() {
    CurrentEntry current;
    current.path = fileList.scanPath;
    current.folder = FolderOfPath(current.path);
    for (const FileEntry* e = fileList.head; e; e = e->next) {
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
    if (!candidates.empty() && !viewState.currentImage && !shell.browseMode)
        OpenImageForView(window, current.path, int(current.entry->kind), 0);
    return 0;
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
    if (ThumbnailGeneratorRunning()) {
        shell.thumbRestartPending = 1;
        StopThumbnailGenerator();
    }
    if (!withEffect) device::SetCursor(device::Cursor::Wait);
    if (shell.slideShowRunning) StopSlideTimer(window);

    const std::u16string file(path);
    if (!LoadImageFile(window, file, uint32_t(kind))) {
        // The slot may have been emptied before the decode failed.
        if (!viewState.currentImage) viewState.imageLoaded = 0;
        device::SetCursor(device::Cursor::Arrow);
        return 0;
    }

    shell.browseMode = 0;
    HideBrowseBars();
    if (!viewState.fullScreen) ShowViewBar();
    RecentreView(0);
    settings.latestFile = file;
    device::SetWindowText(window, ViewTitle(file));
    ShowOpenedImage(window, withEffect);
    return 1;
}

int StepToNextImage(device::HWND window, int withEffect) {
    const CurrentEntry current = FindCurrentEntry();
    if (!current.entry) return 0;
    std::vector<const FileEntry*> after;
    for (const FileEntry* e = current.entry->next; e; e = e->next) after.push_back(e);
    return OpenFirstThatLoads(window, after, current, withEffect);
}

int StepToPreviousImage(device::HWND window, int withEffect) {
    const CurrentEntry current = FindCurrentEntry();
    if (!current.entry) return 0;
    // The list is singly linked: collect what comes before, nearest first.
    std::vector<const FileEntry*> before;
    for (const FileEntry* e = fileList.head; e != current.entry; e = e->next) before.push_back(e);
    return OpenFirstThatLoads(window, {before.rbegin(), before.rend()}, current, withEffect);
}

}  // namespace ezo

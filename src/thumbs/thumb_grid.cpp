#include "thumbs/thumb_grid.h"

#include <optional>

#include "image/open_image.h"
#include "platform/controls/scroll_bar.h"
#include "platform/controls/tap_and_hold.h"
#include "platform/device/activation.h"
#include "platform/device/painting.h"
#include "platform/device/window_api.h"
#include "platform/gdi/blit.h"
#include "shell/shell_windows.h"
#include "shell/thumbnail_thread.h"
#include "thumbs/thumb_grid_draw.h"
#include "thumbs/thumb_grid_layout.h"

namespace ezo {
namespace {

using device::HWND;
using device::LPARAM;
using device::LRESULT;
using device::WPARAM;

constexpr int32_t kGridWidth = 240;
constexpr int32_t kScrollBarX = 227;
constexpr int32_t kScrollBarWidth = 13;
constexpr int32_t kScrollBarHeight = 144;
constexpr int32_t kInitialMaxScroll = 100;
constexpr uint32_t kScrollInfoMask = controls::SIF_ALL | controls::SIF_DISABLENOSCROLL;

int32_t EntryCount(const FileList& list) {
    int32_t n = 0;
    for (const FileEntry* e = list.head.get(); e; e = e->next.get()) ++n;
    return n;
}

const FileEntry* EntryWithIndex(const FileList& list, int32_t index) {
    for (const FileEntry* e = list.head.get(); e; e = e->next.get())
        if (e->index == index) return e;
    return nullptr;
}

void CopyToWindow(Program& program, gdi::HDC dc, const gdi::RECT& part) {
    gdi::Bitmap* buffer = program.grid.backBuffer.get();
    if (!buffer || !dc) return;
    gdi::DeviceContextPtr source = gdi::CreateCompatibleDC(nullptr);
    gdi::SelectScope<gdi::HBITMAP> selected(source.get(), buffer);
    gdi::BitBlt(dc, part.left, part.top, part.width(), part.height(), source.get(), part.left, part.top, gdi::SRCCOPY);
}

// The cell a tap or a double tap hits; the grid takes the keys.
int32_t HitCell(HWND grid, LPARAM lParam) {
    device::SetFocus(grid);
    const Program& program = ProgramOf(grid);
    return ThumbHitTest(device::GET_X_LPARAM(lParam), device::GET_Y_LPARAM(lParam), EntryCount(program.fileList),
                        program.grid.scrollY);
}

void Highlight(HWND grid, int32_t index) {
    GridState& state = ProgramOf(grid).grid;
    state.selectionActive = 1;
    state.selectedIndex = index;
    RelayoutThumbGrid(grid);
}

// Moves the cursor to the cell under a tap and returns it (-1 between
// cells); nullopt in an empty folder, where a tap only takes the focus.
std::optional<int32_t> MoveCursorToTap(HWND grid, LPARAM lParam) {
    Program& program = ProgramOf(grid);
    if (!program.fileList.head) {
        device::SetFocus(grid);
        return std::nullopt;
    }
    program.grid.cursorIndex = HitCell(grid, lParam);
    return program.grid.cursorIndex;
}

void OnTap(HWND grid, LPARAM lParam) {
    const std::optional<int32_t> tapped = MoveCursorToTap(grid, lParam);
    if (!tapped) return;
    const int32_t hit = *tapped;
    Program& program = ProgramOf(grid);
    if (hit == -1) {
        // The old highlight stays on the screen until the next draw, but
        // Delete and File Info no longer see a selection.
        program.grid.selectionActive = 0;
        return;
    }
    if (EntryWithIndex(program.fileList, hit)) Highlight(grid, hit);
    controls::SHRGINFO gesture;
    gesture.cbSize = controls::kSHRGINFOSize;
    gesture.hwndClient = grid;
    gesture.ptDown = {device::GET_X_LPARAM(lParam), device::GET_Y_LPARAM(lParam)};
    gesture.dwFlags = controls::SHRG_NOTIFYPARENT;
    controls::SHRecognizeGesture(&gesture);
}

// A picture that does not open leaves the browse screen as it was.
void ShowBrowseAgain(HWND mainWindow) {
    Program& program = ProgramOf(mainWindow);
    Shell& shell = program.shell;
    if (shell.thumbRestartPending) {
        StartThumbnailGenerator(program);
        shell.thumbRestartPending = 0;
    }
    ShowBrowseWindows(shell, mainWindow);
    program.viewState.imageLoaded = 0;
    shell.browseMode = 1;
}

void OnDoubleTap(HWND grid, LPARAM lParam) {
    const std::optional<int32_t> tapped = MoveCursorToTap(grid, lParam);
    if (!tapped) return;
    const int32_t hit = *tapped;
    Program& program = ProgramOf(grid);
    if (hit == -1) return;
    const FileEntry* entry = EntryWithIndex(program.fileList, hit);
    if (!entry) return;
    Shell& shell = program.shell;
    const std::u16string path = program.currentFolder + entry->name;
    const int kind = int(entry->kind);
    if (shell.fileList && !device::IsWindowVisible(shell.fileList)) shell.thumbViewActive = 1;
    HideBrowseWindows(shell);
    HWND mainWindow = device::GetParent(grid);
    // Opening stops the pass, which may rebuild nothing but writes entries:
    // the entry is not read again after this call.
    if (OpenImageForView(mainWindow, path, kind, 0))
        device::InvalidateRect(mainWindow, nullptr, true);
    else
        ShowBrowseAgain(mainWindow);
}

void OnKey(HWND grid, uint32_t virtualKey) {
    device::SetFocus(grid);
    Program& program = ProgramOf(grid);
    GridState& state = program.grid;
    const GridKeyMove move = ArrowKeyMove(virtualKey, state.cursorIndex, EntryCount(program.fileList));
    if (!move.handled) return;
    state.cursorIndex = move.cursorIndex;
    state.scrollY = ScrollPosForEntry(move.cursorIndex, move.forward, program.shell.listAreaHeight,
                                      EntryCount(program.fileList));
    if (EntryWithIndex(program.fileList, move.cursorIndex)) Highlight(grid, move.cursorIndex);
}

// The thumb's track position: the message's high word holds its low 16
// bits; the bar's own track position, when it agrees with them, gives the
// rest for a grid higher than 65535 pixels.
int32_t TrackPosition(HWND bar, WPARAM wParam) {
    const int32_t low = device::HIWORD(wParam);
    controls::SCROLLINFO info;
    info.fMask = controls::SIF_TRACKPOS;
    if (bar && controls::GetScrollInfo(bar, controls::SB_CTL, &info) && (info.nTrackPos & 0xFFFF) == low)
        return info.nTrackPos;
    return low;
}

void OnScroll(HWND grid, WPARAM wParam) {
    GridState& state = ProgramOf(grid).grid;
    const uint16_t request = device::LOWORD(wParam);
    const int32_t track = request == controls::SB_THUMBTRACK ? TrackPosition(state.scrollBar, wParam) : 0;
    state.scrollY = ScrolledPosition(request, track, state.scrollY, state.maxScroll);
    RelayoutThumbGrid(grid);
    if (state.scrollBar) controls::SetScrollPos(state.scrollBar, controls::SB_CTL, state.scrollY, true);
}

// The pass finished thumbnails: they move into their entries, and their
// cells are drawn into the back buffer and onto the window.
void OnThumbnailsReady(HWND grid) {
    Program& program = ProgramOf(grid);
    const std::vector<int> positions = TakeFinishedThumbnails(program);
    if (positions.empty() || !device::IsWindowVisible(grid)) return;
    const gdi::Bitmap* buffer = program.grid.backBuffer.get();
    if (!buffer || buffer->height() != program.shell.listAreaHeight) {
        RelayoutThumbGrid(grid);
        return;
    }
    const gdi::RECT part = DrawGridCells(program, positions);
    if (part.empty()) return;
    device::WindowDC dc(grid);
    CopyToWindow(program, dc, gdi::IntersectRect(part, {0, 0, kGridWidth, buffer->height()}));
}

void OnCreate(HWND grid) {
    GridState& state = ProgramOf(grid).grid;
    state.scrollBar = device::CreateWindow(u"scrollbar", u"", device::WS_CHILD | device::WS_VISIBLE | controls::SBS_VERT,
                                           kScrollBarX, 0, kScrollBarWidth, kScrollBarHeight, grid, kIdGridScrollBar);
    state.scrollY = 0;
    state.maxScroll = kInitialMaxScroll;
}

class ThumbWindow final : public controls::GestureWindow {
public:
    LRESULT WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) override {
        switch (msg) {
        case device::WM_CREATE:
            OnCreate(this);
            return 0;
        case device::WM_PAINT: {
            device::PAINTSTRUCT ps;
            gdi::HDC dc = device::BeginPaint(this, &ps);
            LayoutThumbGrid(this, dc);
            device::EndPaint(this, &ps);
            return 0;
        }
        case device::WM_KEYDOWN:
            OnKey(this, uint32_t(wParam));
            return 0;
        case device::WM_VSCROLL:
            OnScroll(this, wParam);
            return 0;
        case device::WM_LBUTTONDOWN:
            OnTap(this, lParam);
            return 0;
        case device::WM_LBUTTONDBLCLK:
            OnDoubleTap(this, lParam);
            return 0;
        case kMsgThumbnailsReady:
            OnThumbnailsReady(this);
            return 0;
        case device::WM_DESTROY:
            ProgramOf(this).grid.scrollBar = nullptr;
            return 0;
        default:
            return device::DefWindowProc(this, msg, wParam, lParam);
        }
    }
};

}  // namespace

std::unique_ptr<device::Window> MakeThumbWindow() { return std::make_unique<ThumbWindow>(); }

void LayoutThumbGrid(HWND grid, gdi::HDC dc) {
    Program& program = ProgramOf(grid);
    GridState& state = program.grid;
    const int32_t listAreaHeight = program.shell.listAreaHeight;
    gdi::RECT client;
    device::GetClientRect(grid, &client);
    const int32_t height = GridContentHeight(EntryCount(program.fileList));
    if (state.scrollY >= height) state.scrollY = height;
    state.maxScroll = height - client.height();
    if (state.scrollBar) {
        controls::SCROLLINFO info;
        info.fMask = kScrollInfoMask;
        info.nMin = 0;
        info.nMax = height;
        info.nPage = uint32_t(std::max(listAreaHeight, 0));
        info.nPos = state.scrollY;
        controls::SetScrollInfo(state.scrollBar, controls::SB_CTL, &info, true);
    }
    const bool scrolls = listAreaHeight <= height;
    if (state.scrollBar) device::ShowWindow(state.scrollBar, scrolls ? device::SW_SHOW : device::SW_HIDE);
    if (!scrolls) state.scrollY = 0;
    DrawThumbGrid(program, listAreaHeight);
    CopyToWindow(program, dc, {0, 0, kGridWidth, listAreaHeight});
}

void RelayoutThumbGrid(HWND grid) {
    device::WindowDC dc(grid);
    LayoutThumbGrid(grid, dc);
}

int SelectedGridPath(Program& program, std::u16string& path) {
    if (!program.grid.selectionActive) return 0;
    const FileEntry* entry = EntryWithIndex(program.fileList, program.grid.selectedIndex);
    if (!entry) return 0;
    path = program.currentFolder + entry->name;
    return 1;
}

}  // namespace ezo

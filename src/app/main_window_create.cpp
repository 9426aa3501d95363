// Building the main window's children and taking them down again.
#include <span>

#include "app/main_window.h"
#include "app/resource_table.h"
#include "browse/file_list.h"
#include "browse/file_view.h"
#include "browse/folder_tree.h"
#include "platform/controls/button.h"
#include "platform/controls/list_view.h"
#include "platform/controls/menu_bar.h"
#include "platform/controls/tree_view.h"
#include "platform/device/hot_keys.h"
#include "platform/device/message_loop.h"
#include "platform/device/timers.h"
#include "platform/device/window_api.h"
#include "shell/main_layout.h"
#include "shell/resource_ids.h"
#include "shell/shell_windows.h"
#include "shell/thumbnail_thread.h"
#include "thumbs/thumbnail_generator.h"
#include "thumbs/thumbnail_store.h"

namespace ezo {
namespace {

using device::HWND;

constexpr uint32_t kTreeStyle = device::WS_CHILD | device::WS_VISIBLE | controls::TVS_HASBUTTONS |
                                controls::TVS_HASLINES | controls::TVS_LINESATROOT |
                                controls::TVS_DISABLEDRAGDROP | controls::TVS_SHOWSELALWAYS;
constexpr uint32_t kOwnerDrawnHidden = device::WS_CHILD | controls::BS_OWNERDRAW;

struct ButtonSpec {
    int id;
    int32_t x, y, size;
};
constexpr ButtonSpec kButtons[] = {
    {kIdLeaveFullScreen, 0, 27, 12},  {kIdOverlayZoomIn, 228, 27, 12},
    {kIdOverlayZoomOut, 228, 41, 12}, {kIdOverlayFit, 228, 55, 12},
    {kIdSplitTreeHidden, 30, 30, 7},  {kIdSplitMiddle, 50, 50, 7},
    {kIdSplitFilesHidden, 70, 70, 7},
};

HWND CreateMenuBarFromResource(const Shell& shell, HWND window, int barId) {
    controls::SHMENUBARINFO info;
    info.cbSize = controls::kSHMENUBARINFOSize;
    info.hwndParent = window;
    info.dwFlags = controls::SHCMBF_HIDESIPBUTTON;
    info.nToolBarId = uint32_t(barId);
    info.hInstRes = shell.instance;
    return controls::SHCreateMenuBar(&info) ? info.hwndMB : nullptr;
}

void CreateMenuBars(Shell& shell, HWND window) {
    for (int i = 0; i < kMenuBarCount; ++i) {
        shell.menuBars[size_t(i)] = CreateMenuBarFromResource(shell, window, kMenuBarsInCreationOrder[i]);
        if (i > 0 && shell.menuBars[size_t(i)]) device::ShowWindow(shell.menuBars[size_t(i)], device::SW_HIDE);
    }
}

void CreateTreeAndNotice(Shell& shell, HWND window) {
    gdi::RECT c;
    device::GetClientRect(window, &c);
    shell.tree = device::CreateWindow(u"SysTreeView32", u"DirectoryView", kTreeStyle, c.left, c.top, c.width(),
                                      c.height(), window, kIdTree);
    shell.noImages = device::CreateWindow(u"NoImages", u"NoImages", device::WS_CHILD | device::WS_VISIBLE,
                                          c.left, c.top, c.width(), c.height(), window, kIdNoImages);
}

void RegisterHotKeys(HWND window) {
    for (int id = kFirstHotKey; id < kFirstHotKey + kHotKeyCount; ++id)
        device::RegisterHotKey(window, id, device::MOD_WIN, uint32_t(id));
}

void AddBarImages(const Shell& shell) {
    for (int i = 0; i < kMenuBarCount; ++i)
        if (HWND bar = shell.menuBars[size_t(i)])
            controls::SetMenuBarImages(bar, shell.instance, MenuBarImages(kMenuBarsInCreationOrder[i]));
}

controls::ImageListPtr LoadImageList(const Shell& shell, int bitmapId, int32_t width) {
    gdi::BitmapPtr bitmap = controls::LoadBitmap(shell.instance, bitmapId);
    return controls::ImageList_LoadImage(bitmap.get(), width, 1, controls::kTransparentKey);
}

void CreateOwnerDrawnButtons(HWND window) {
    for (const ButtonSpec& b : kButtons)
        device::CreateWindow(u"button", u"", kOwnerDrawnHidden, b.x, b.y, b.size, b.size, window, b.id);
}

void FetchToolMenus(Shell& shell) {
    // The view bars follow the three browse bars in creation order.
    for (int i = 0; i < kToolMenuCount; ++i) {
        HWND bar = shell.menuBars[size_t(3 + i)];
        shell.toolMenus[size_t(i)] =
            bar ? reinterpret_cast<controls::HMENU>(
                      device::SendMessage(bar, controls::SHCMBM_GETSUBMENU, 0, IDM_TOOL_MENU))
                : nullptr;
    }
    CheckToolMenus(shell, IDM_TITLE_BAR, true);
}

void SetInitialSplit(Shell& shell, HWND window) {
    device::GetClientRect(window, &shell.viewRect);
    shell.splitRatio = kInitialSplitRatio;
    const int32_t split = SplitRow(shell.viewRect.top, shell.viewRect.bottom, shell.splitRatio);
    shell.separatorRect = SeparatorRectAt(split);
}

void DestroyChild(HWND& child) {
    if (child && device::IsWindow(child)) device::DestroyWindow(child);
    child = nullptr;
}

}  // namespace

device::LRESULT OnCreate(HWND window) {
    Program& program = ProgramOf(window);
    Shell& shell = program.shell;
    shell.instance = ProgramModule();
    shell.mainWindow = window;
    LoadSettings(program.settings);
    OpenThumbnailStore(program.thumbnailStore);
    // The shell runs the pass's thread; what a pass does is the thumbs layer's.
    program.thumbnailPass.procedure = GenerateThumbnails;
    device::WindowDC dc(window);
    CreateMenuBars(shell, window);
    CreateBrowseViews(window);
    if (shell.fileList)
        device::SendMessage(shell.fileList, controls::LVM_SETEXTENDEDLISTVIEWSTYLE, controls::LVS_EX_FULLROWSELECT,
                            controls::LVS_EX_FULLROWSELECT);
    CreateTreeAndNotice(shell, window);
    if (shell.tree) FillFolderTree(program);
    RegisterHotKeys(window);
    AddBarImages(shell);
    shell.overlayImages = LoadImageList(shell, IDB_OVERLAY_BUTTONS, kOverlayImageSize);
    shell.splitImages = LoadImageList(shell, IDB_SPLIT_BUTTONS, kSplitImageSize);
    CreateOwnerDrawnButtons(window);
    FetchToolMenus(shell);
    SetInitialSplit(shell, window);
    device::ShowWindow(device::GetDlgItem(window, kIdSplitTreeHidden), device::SW_SHOW);
    device::ShowWindow(device::GetDlgItem(window, kIdSplitFilesHidden), device::SW_SHOW);
    shell.splitButtonBits |= 3;
    ApplyStartOption(window);
    return 0;
}

void OnDestroy(HWND window) {
    Program& program = ProgramOf(window);
    Shell& shell = program.shell;
    // Settings first, so they survive whatever state the viewer is in.
    const int saved = SaveSettings(program.settings, program.currentFolder);
    // No pass may walk the file list or the picture slot freed below.
    StopThumbnailGenerator(program);
    CloseThumbnailStore(program.thumbnailStore);
    DestroyChild(shell.menuBars[0]);  // bar 102
    program.viewState.currentImage.reset();
    program.viewState.imageLoaded = 0;
    FreeFileList(program.fileList);
    DestroyChild(shell.fileList);
    DestroyChild(shell.thumbGrid);
    DestroyChild(shell.tree);
    for (int id = kFirstHotKey; id < kFirstHotKey + kHotKeyCount; ++id) device::UnregisterHotKey(window, id);
    if (shell.slideTimerSet) device::KillTimer(window, kSlideTimer);
    if (shell.effectTimerSet) device::KillTimer(window, kEffectTimer);
    shell.overlayImages.reset();
    shell.splitImages.reset();
    // The remaining children go with the window; forget their handles.
    shell.menuBars.fill(nullptr);
    shell.toolMenus.fill(nullptr);
    shell.noImages = nullptr;
    shell.mainWindow = nullptr;
    // Settings that could not be saved make the run end as a failure.
    device::PostQuitMessage(saved ? 0 : 1);
}

}  // namespace ezo

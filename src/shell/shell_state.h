#pragma once
// The shell's state: the main window's children, menu bars, pop-ups and
// image lists, and the flags that say which screen shows. Part of the
// program's state (shell/program.h); each subsystem reads and writes the
// parts it needs.
#include <array>
#include <cstdint>

#include "platform/controls/image_list.h"
#include "platform/controls/menu.h"
#include "platform/controls/resources.h"
#include "platform/device/window.h"
#include "platform/gdi/types.h"

namespace ezo {

// Child window ids of the main window.
constexpr int kIdFileList = 1000;
constexpr int kIdLeaveFullScreen = 1001;
constexpr int kIdTree = 1003;
constexpr int kIdThumbGrid = 1004;
constexpr int kIdOverlayZoomIn = 1005;
constexpr int kIdOverlayZoomOut = 1006;
constexpr int kIdOverlayFit = 1008;
constexpr int kIdNoImages = 1009;
constexpr int kIdSplitTreeHidden = 5303;
constexpr int kIdSplitMiddle = 5304;
constexpr int kIdSplitFilesHidden = 5305;

// Browse views.
constexpr int Report = 0;
constexpr int Thumbnails = 1;
constexpr int List = 2;

// Timers of the main window.
constexpr uintptr_t kSlideTimer = 1;
constexpr uintptr_t kEffectTimer = 2;

constexpr int kMenuBarCount = 7;
constexpr int kToolMenuCount = 4;
constexpr int kHotKeyCount = 5;
constexpr int kFirstHotKey = 0xC1;

struct Shell {
    controls::HINSTANCE instance = nullptr;  // the program module, for its resources
    device::HWND mainWindow = nullptr;
    // In creation order: 102, 156, 157, 149, 169, 168, 167 (null if not made).
    std::array<device::HWND, kMenuBarCount> menuBars{};
    // The Tool pop-ups of the view bars 149, 169, 168, 167.
    std::array<controls::HMENU, kToolMenuCount> toolMenus{};
    device::HWND fileList = nullptr;
    device::HWND thumbGrid = nullptr;
    device::HWND tree = nullptr;
    device::HWND noImages = nullptr;
    controls::ImageListPtr overlayImages;  // bitmap 175
    controls::ImageListPtr splitImages;    // bitmap 148

    int browseMode = 1;
    int BrowseView = Report;
    int thumbViewActive = 0;
    int thumbRestartPending = 0;
    int viewBarBits = 0;
    int splitButtonBits = 0;
    double splitRatio = 0.29;
    gdi::RECT separatorRect;
    gdi::RECT viewRect;
    int listAreaHeight = 0;
    // Rows in the file list, and the index the next row is inserted at.
    int rowCount = 0;
    int slideShowRunning = 0;
    int panning = 0;
    int slideForward = 0;
    // The result of the last start of timer 1; 0 once it is stopped.
    uintptr_t slideTimer = 0;
    // Whether timers 1 and 2 were ever set, so destruction kills only those.
    int slideTimerSet = 0;
    int effectTimerSet = 0;
    // The line that follows the separator while it is dragged.
    device::HWND dragLine = nullptr;
};

// The bar of a resource id, null when it was not made or is gone.
device::HWND MenuBar(const Shell& shell, int barId);
// The Tool pop-up of view bar index (0..3 in creation order), null once its
// bar is gone: the bars go before the main window's WM_DESTROY.
controls::HMENU ToolMenu(const Shell& shell, int index);


}  // namespace ezo

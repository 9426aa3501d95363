#pragma once
// The main window's layout as plain arithmetic: where the separator, the
// folder tree, the file area and the split buttons go for a client height,
// and which bar or button image a state selects. No windows are touched here.
#include <cstdint>

#include "platform/device/screen_layout.h"
#include "platform/gdi/types.h"

namespace ezo {

// Every child is kShellWidth wide, whatever width the window reports.
constexpr int32_t kSeparatorHeight = 9;
constexpr int32_t kSplitButtonSize = 7;
constexpr int32_t kMenuBarHeight = device::kMenuBarHeight;
constexpr int32_t kShellWidth = device::kScreenWidth;
constexpr double kInitialSplitRatio = 0.29;

// x, y, width, height as MoveWindow takes them.
struct Placement {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const Placement&) const = default;
};

struct MainLayout {
    gdi::RECT viewRect;
    int32_t split = 0;
    gdi::RECT separatorRect;
    Placement tree;
    Placement fileArea;   // the file list, the thumbnail grid and the notice
    Placement scrollBar;  // the grid's scroll bar, in grid coordinates
    Placement splitTreeHidden;
    Placement splitMiddle;
    Placement splitFilesHidden;
    int32_t listAreaHeight = 0;
};

// The separator's row for a view from top to bottom: the truncated share.
int32_t SplitRow(int32_t top, int32_t bottom, double ratio);
gdi::RECT SeparatorRectAt(int32_t split);

// The children below and above a given separator row, for a view whose top
// is top and whose bottom is bottom.
MainLayout LayoutAtSplit(int32_t top, int32_t bottom, int32_t split);
// The layout after WM_SIZE with client height clientHeight.
MainLayout LayoutForHeight(int32_t top, int32_t clientHeight, double splitRatio);

// Which menu bar shows for a browse view (0 report, 1 thumbnails, 2 list).
int BrowseBarFor(int browseView);
// Which menu bar shows for viewBarBits (bit 0 slide show, bit 1 fit).
int ViewBarFor(int viewBarBits);

// The image drawn on an owner-drawn button, or -1 when nothing is drawn.
int SplitButtonImage(int id);
int OverlayButtonImage(int id, int fitButtonOn);

}  // namespace ezo

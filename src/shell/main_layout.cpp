#include "shell/main_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "shell/resource_ids.h"
#include "shell/shell_state.h"

namespace ezo {
namespace {

// The grid's scroll bar sits on its right edge.
constexpr int32_t kScrollBarX = 227;
constexpr int32_t kScrollBarWidth = 13;
// The file area stops above the 25-pixel strip the controls keep clear.
constexpr int32_t kFileAreaGap = 25;

// Clamp before converting so a wild ratio cannot overflow the integer.
int32_t Truncate(double v) {
    if (!(v == v)) return 0;
    if (v >= double(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
    if (v <= double(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
    return int32_t(std::trunc(v));
}

}  // namespace

int32_t SplitRow(int32_t top, int32_t bottom, double ratio) {
    return top + Truncate(ratio * double(int64_t(bottom) - top));
}

gdi::RECT SeparatorRectAt(int32_t split) { return {0, split, kShellWidth, split + kSeparatorHeight}; }

MainLayout LayoutAtSplit(int32_t top, int32_t bottom, int32_t split) {
    MainLayout l;
    l.viewRect = {0, top, kShellWidth, bottom};
    l.split = split;
    l.separatorRect = SeparatorRectAt(split);
    l.tree = {0, top, kShellWidth, split - top + 1};
    // A window too low for a file area gets an empty one, never a negative size.
    const int32_t below = std::max(bottom - (split + kSeparatorHeight) + top - kFileAreaGap, -1);
    l.fileArea = {0, split + kSeparatorHeight, kShellWidth, std::max(below, 0)};
    l.scrollBar = {kScrollBarX, 0, kScrollBarWidth, l.fileArea.height};
    l.splitTreeHidden = {8, split + 1, kSplitButtonSize, kSplitButtonSize};
    l.splitFilesHidden = {32, split + 1, kSplitButtonSize, kSplitButtonSize};
    l.splitMiddle = {32, split + 1, kSplitButtonSize, kSplitButtonSize};
    l.listAreaHeight = below + 1;
    return l;
}

MainLayout LayoutForHeight(int32_t top, int32_t clientHeight, double splitRatio) {
    // The view's bottom is the height less the top; the split counts from 0.
    const int32_t bottom = clientHeight - top;
    return LayoutAtSplit(top, bottom, Truncate(double(clientHeight) * splitRatio));
}

int BrowseBarFor(int browseView) {
    if (browseView & 1) return IDR_BAR_THUMBNAILS;
    if (browseView & 2) return IDR_BAR_LIST;
    return IDR_BAR_REPORT;
}

int ViewBarFor(int viewBarBits) {
    switch (viewBarBits & 3) {
    case 3: return IDR_BAR_VIEW_FIT_SLIDE;
    case 2: return IDR_BAR_VIEW_FIT;
    case 1: return IDR_BAR_VIEW_SLIDE;
    default: return IDR_BAR_VIEW;
    }
}

int SplitButtonImage(int id) {
    switch (id) {
    case kIdSplitTreeHidden: return kSplitTreeHidden;
    case kIdSplitMiddle: return kSplitMiddle;
    case kIdSplitFilesHidden: return kSplitFilesHidden;
    default: return -1;
    }
}

int OverlayButtonImage(int id, int fitButtonOn) {
    switch (id) {
    case kIdLeaveFullScreen: return kOverlayLeaveFullScreen;
    case kIdOverlayZoomIn: return kOverlayZoomIn;
    case kIdOverlayZoomOut: return kOverlayZoomOut;
    case kIdOverlayFit: return fitButtonOn ? kOverlayFitOn : kOverlayFit;
    default: return -1;
    }
}

}  // namespace ezo

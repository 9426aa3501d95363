#include "thumbs/thumb_grid_layout.h"

#include <algorithm>

#include "platform/controls/scroll_bar.h"
#include "platform/device/messages.h"
#include "shell/image_kind.h"

namespace ezo {
namespace {

// A cell's pitch origin, moved up by the scroll offset.
int32_t CellLeft(int32_t i) { return GridColumn(i) * kCellPitchX; }
int32_t CellTop(int32_t i, int32_t scrollY) { return GridRow(i) * kCellPitchY - scrollY; }

constexpr int32_t kFrameInset = 5;
constexpr int32_t kFrameWidth = 70;
constexpr int32_t kCaptionInset = 7;
constexpr int32_t kCaptionTop = 70;
constexpr int32_t kCaptionWidth = 66;
// The placeholder's corner in the box's cell: (64 - 11) / 2 + 8 across and
// 33 down.
constexpr int32_t kPlaceholderX = 35;
constexpr int32_t kPlaceholderY = 33;
constexpr int32_t kContentMargin = 6;
// Rows of the hit test reach from 5 to 85 pixels below their pitch origin.
constexpr int32_t kHitTop = 4;
constexpr int32_t kHitBottom = 86;
// The key moves' target: the row, or the one after it, ends this far above
// the view's bottom.
constexpr int32_t kKeyScrollMargin = 5;
constexpr int32_t kForwardLookAheadHeight = 170;
constexpr size_t kCaptionLength = 10;

}  // namespace

gdi::RECT CellFrameRect(int32_t i, int32_t scrollY) {
    const int32_t left = CellLeft(i) + kFrameInset;
    const int32_t top = CellTop(i, scrollY);
    return {left, top + kFrameInset, left + kFrameWidth, top + kCellPitchY};
}

gdi::RECT CellCaptionRect(int32_t i, int32_t scrollY) {
    const int32_t left = CellLeft(i) + kCaptionInset;
    const int32_t top = CellTop(i, scrollY);
    return {left, top + kCaptionTop, left + kCaptionWidth, top + kCellPitchY};
}

gdi::POINT CellThumbPoint(int32_t i, int32_t scrollY, int32_t thumbLeft, int32_t thumbTop) {
    return {CellLeft(i) + thumbLeft + kThumbOriginX, CellTop(i, scrollY) + thumbTop + kThumbOriginY};
}

gdi::POINT CellPlaceholderPoint(int32_t i, int32_t scrollY) {
    return {CellLeft(i) + kPlaceholderX, CellTop(i, scrollY) + kPlaceholderY};
}

int32_t GridContentHeight(int32_t count) { return ((count - 1) / kGridColumns) * kCellPitchY + kCellPitchY + kContentMargin; }

bool GridRowSkipped(int32_t row, int32_t scrollY) { return row * 90 < scrollY - 95; }
bool GridRowEndsSweep(int32_t row, int32_t scrollY) { return scrollY + 355 < row * 80; }

int32_t ThumbHitTest(int32_t x, int32_t y, int32_t count, int32_t scrollY) {
    int32_t column = -1;
    for (int32_t k = 0; k < kGridColumns; ++k) {
        const int32_t left = k * kCellPitchX + kFrameInset;
        if (x >= left && x <= left + kFrameWidth) column = k + 1;
    }
    if (column < 0) return -1;
    const int32_t rows = count / kGridColumns + (count % kGridColumns != 0 ? 1 : 0);
    int32_t row = 0;
    for (; row < rows; ++row) {
        const int32_t top = row * kCellPitchY - scrollY;
        if (top + kHitTop < y && y < top + kHitBottom) break;
    }
    const int32_t index = row * kGridColumns + column;
    return index > count ? -1 : index;
}

int32_t ScrollPosForEntry(int32_t index, bool forward, int32_t viewHeight, int32_t count) {
    int32_t p = forward && viewHeight > kForwardLookAheadHeight ? kCellPitchY + kKeyScrollMargin - viewHeight
                                                                : kKeyScrollMargin - viewHeight;
    // Every row up to the entry's own, or all of them when it is none.
    const int32_t last = index >= 1 && index <= count ? index - 1 : count - 1;
    if (count > 0) p += (GridRow(last) + 1) * kCellPitchY;
    return p < 1 ? 0 : p;
}

GridKeyMove ArrowKeyMove(uint32_t virtualKey, int32_t cursorIndex, int32_t count) {
    if (count <= 0 || cursorIndex == -1) return {};
    switch (virtualKey) {
    case device::VK_LEFT: return {true, std::max(cursorIndex - 1, 1), false};
    case device::VK_UP: return {true, std::max(cursorIndex - kGridColumns, 1), false};
    case device::VK_RIGHT: return {true, std::min(cursorIndex + 1, count), true};
    case device::VK_DOWN: return {true, std::min(cursorIndex + kGridColumns, count), true};
    default: return {};
    }
}

int32_t ScrolledPosition(uint16_t request, int32_t trackPosition, int32_t scrollY, int32_t maxScroll) {
    int64_t d = 0;
    switch (request) {
    case controls::SB_LINEUP: d = -kLineStep; break;
    case controls::SB_LINEDOWN: d = kLineStep; break;
    case controls::SB_PAGEUP: d = -kPageStep; break;
    case controls::SB_PAGEDOWN: d = kPageStep; break;
    case controls::SB_THUMBTRACK: d = int64_t(trackPosition) - scrollY; break;
    default: break;
    }
    if (d > kMaxScrollStep || d < -kMaxScrollStep) d = 0;
    if (scrollY + d > maxScroll) d = int64_t(maxScroll) - scrollY;
    if (scrollY + d < 0) d = -int64_t(scrollY);
    return int32_t(scrollY + d);
}

std::u16string CaptionText(std::u16string_view name, uint32_t kind) {
    const size_t cut = kind == Jpeg ? 5 : 4;
    std::u16string caption(name.substr(0, name.size() > cut ? name.size() - cut : 0));
    if (caption.size() > kCaptionLength + 1) {
        // A character outside the basic plane stays whole or goes whole.
        const bool splitsPair = caption[kCaptionLength - 1] >= 0xD800 && caption[kCaptionLength - 1] <= 0xDBFF;
        caption = caption.substr(0, splitsPair ? kCaptionLength - 1 : kCaptionLength) + u"...";
    }
    return caption;
}

}  // namespace ezo

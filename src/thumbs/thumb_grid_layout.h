#pragma once
// The thumbnail grid as plain arithmetic: where each cell's parts lie for a
// scroll offset, how high the content is, which cell a stylus point hits,
// where a key move scrolls to, the scroll bar's steps and the captions. No
// window is touched here.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/gdi/types.h"
#include "thumbs/thumb_geometry.h"

namespace ezo {

// Entry at 0-based position i of the list.
constexpr int32_t GridRow(int32_t i) { return i / kGridColumns; }
constexpr int32_t GridColumn(int32_t i) { return i % kGridColumns; }

// A cell's parts in grid-window pixels; right and bottom exclusive.
gdi::RECT CellFrameRect(int32_t i, int32_t scrollY);
gdi::RECT CellCaptionRect(int32_t i, int32_t scrollY);
// Top-left corner of a thumbnail placed at (thumbLeft, thumbTop) in its box.
gdi::POINT CellThumbPoint(int32_t i, int32_t scrollY, int32_t thumbLeft, int32_t thumbTop);
// Top-left corner of the placeholder, centred in the box.
gdi::POINT CellPlaceholderPoint(int32_t i, int32_t scrollY);
constexpr int32_t kPlaceholderWidth = 11;
constexpr int32_t kPlaceholderHeight = 8;

// Height of all rows of count entries plus a 6-pixel margin (91 for none).
int32_t GridContentHeight(int32_t count);

// The drawing sweeps leave out rows far above the view (skip) and end after
// a row far below it (stop).
bool GridRowSkipped(int32_t row, int32_t scrollY);
bool GridRowEndsSweep(int32_t row, int32_t scrollY);

// The 1-based index of the cell at (x, y) among count entries, -1 for none
// (the gaps between columns and rows, and past the last entry).
int32_t ThumbHitTest(int32_t x, int32_t y, int32_t count, int32_t scrollY);

// A scrollY that brings entry index (1-based) into view for a view
// viewHeight high: its row ends 5 pixels above the bottom, or for a forward
// move in a view above 170 pixels the row below it does. An index that is
// no entry's counts every row. Never below 0, not limited above.
int32_t ScrollPosForEntry(int32_t index, bool forward, int32_t viewHeight, int32_t count);

// The arrow keys' move of cursorIndex among count entries.
struct GridKeyMove {
    bool handled = false;  // an arrow key with an entry to move from
    int32_t cursorIndex = -1;
    bool forward = false;  // right and down
};
GridKeyMove ArrowKeyMove(uint32_t virtualKey, int32_t cursorIndex, int32_t count);

// The scroll bar's steps: lines of 10, pages of 20, the thumb to its track
// position. A step past 20000 pixels is refused. The result stays within
// 0 .. maxScroll (0 when maxScroll is below 0).
constexpr int32_t kLineStep = 10;
constexpr int32_t kPageStep = 20;
constexpr int32_t kMaxScrollStep = 20000;
int32_t ScrolledPosition(uint16_t request, int32_t trackPosition, int32_t scrollY, int32_t maxScroll);

// The name without its extension (five characters cut for ".jpeg", four
// otherwise); past 11 characters, its first 10 and "...".
std::u16string CaptionText(std::u16string_view name, uint32_t kind);

}  // namespace ezo

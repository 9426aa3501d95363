#pragma once
// The grid's cell geometry, shared by the generator (which fits each
// thumbnail into its box) and the grid window (which draws the cells).
// Entry i (0-based) sits in row i / 3 and column i % 3.
namespace ezo {

constexpr int kGridColumns = 3;
constexpr int kCellPitchX = 74;
constexpr int kCellPitchY = 85;
constexpr int kThumbBoxWidth = 64;
constexpr int kThumbBoxHeight = 60;
constexpr int kThumbOriginX = 8;  // the box's corner inside a cell
constexpr int kThumbOriginY = 8;
// Thumbnails of pictures wider or taller than this are kept in the store.
constexpr int kSaveThreshold = 300;

}  // namespace ezo

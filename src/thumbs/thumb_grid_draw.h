#pragma once
// Drawing the thumbnail grid into its back buffer: grey frames, captions,
// thumbnails and placeholders, only for the rows near the visible band.
#include <cstdint>
#include <vector>

#include "shell/program.h"

namespace ezo {

// Makes a new back buffer of 240 x height and draws every cell near the
// view into it. Without memory for it the grid keeps no back buffer.
void DrawThumbGrid(Program& program, int32_t height);

// Draws the cells at the 0-based list positions again into the existing
// back buffer and returns the part of it they cover (empty: nothing drawn).
gdi::RECT DrawGridCells(Program& program, const std::vector<int>& positions);

}  // namespace ezo

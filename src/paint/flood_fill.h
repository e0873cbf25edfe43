#pragma once

#include <cstdint>

#include "paint/paint_target.h"

namespace quillor {

// Fills the 4-connected area of exactly the colour at (x, y) with `colour` (a palette
// index, or a table index on true-colour images). Never crosses another colour, not even
// diagonally; memory stays within the picture's size. Returns the pixels changed.
std::uint64_t FloodFill(PaintTarget& target, int x, int y, int colour);

}  // namespace quillor

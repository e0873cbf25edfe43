#pragma once

#include <array>

#include "brush/brush_colour.h"
#include "brush/paint_brush.h"
#include "core/geometry.h"

namespace quillor {

// Draws every frame of `copy` into the four-sided shape whose corners are, in order, where
// the copy's top-left, top-right, bottom-right and bottom-left corners go (in any
// coordinates: only their distances from the smallest x and y count). The new frames are
// the size of the corners' box, `background` where the shape does not reach. False, with
// the brush as it was, when the box is empty or the copy has no pixels.
bool DeformBrush(BrushRecord& brush, const BrushRecord& copy, const std::array<IntPoint, 4>& corners,
                 bool trueColour, BrushColour background);

}  // namespace quillor

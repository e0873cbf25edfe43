#pragma once

#include "core/background_colour.h"
#include "core/coxdib.h"

namespace quillor {

// Rescales `source` into `destination`, which already has the new size and the same
// depth (8 or 24 bits), by nearest neighbour: destination pixel (x, y) from the top left
// takes source pixel (trunc(x * sx), trunc(y * sy)), sx and sy being the old side over
// the new one. A position that lands outside the source takes the background colour.
// False, with nothing written, for mismatched or unsupported depths or empty images.
bool ResizeNearest(const COXDIB& source, COXDIB& destination, const BackgroundColour& background);

}  // namespace quillor

#pragma once

#include "core/coxdib.h"

namespace quillor {

// Mirrors an 8- or 24-bit picture in place, left to right; the middle column of an odd
// width stays where it is. False, with nothing changed, for an empty image or another depth.
bool FlipHorizontal(COXDIB& image);

// Mirrors an 8- or 24-bit picture in place, top to bottom; the middle line of an odd
// height stays where it is. False, with nothing changed, for an empty image or another depth.
bool FlipVertical(COXDIB& image);

}  // namespace quillor

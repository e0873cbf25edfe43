#pragma once

#include <cstdint>

#include "core/colour.h"
#include "core/image_rows.h"

namespace quillor {

// Builds a palette of `colours` entries (clamped to 1..256) for a picture by octree
// quantisation. `palette` holds 256 table words (bytes blue, green, red, 0); the first
// `colours` are written, those beyond the colours found black, and the fourth byte of
// each entry is left as it was. `rgb` is width x height pixels of red, green, blue, top
// line first, no padding. False, palette untouched, when a buffer is missing or the size
// is not positive.
bool QuantiseColours(const std::uint8_t* rgb, int width, int height, int colours, TableWord* palette);

// The same on rows in either channel order. `found`, when given, receives how many
// distinct colours the palette holds (at most the clamped `colours`).
bool QuantiseColours(ConstRows pixels, int colours, TableWord* palette, int* found = nullptr);

}  // namespace quillor

#pragma once

#include <cstdint>

#include "core/colour.h"
#include "core/image_rows.h"

namespace quillor {

// Gives every pixel the index of its nearest palette colour by squared distance, the
// lowest index winning ties. `rgb` is width x height pixels of red, green, blue, top
// line first, no padding; `indices` width x height bytes; `palette` 256 table words of
// which the first `paletteSize` are searched. False, nothing written, when a buffer is
// missing, the size is not positive or the palette size is outside 1..256.
bool MapToPalette(const std::uint8_t* rgb, int width, int height, std::uint8_t* indices, int paletteSize,
                  const TableWord* palette);
// The same on rows in either channel order; `indices` must have the pixels' size.
bool MapToPalette(ConstRows pixels, Rows indices, int paletteSize, const TableWord* palette);

// Turns every index into its palette colour, written red, green, blue. Indices at or
// beyond `paletteSize` still read their entry of the 256-entry palette, so a stray index
// never reads outside it. Same failures as MapToPalette.
bool ExpandIndices(const std::uint8_t* indices, std::uint8_t* rgb, int width, int height, int paletteSize,
                   const TableWord* palette);
// The same on rows; `pixels` may be in either channel order.
bool ExpandIndices(ConstRows indices, Rows pixels, int paletteSize, const TableWord* palette);

}  // namespace quillor

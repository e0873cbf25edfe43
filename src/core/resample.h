#pragma once

#include <cstdint>

#include "core/image_rows.h"

namespace quillor {

// Bilinear rescaling of a true-colour working buffer (rows top-down, no padding) of
// width x height pixels into newWidth x newHeight pixels, bytesPerPixel (1 to 4) channels
// each, every channel on its own. False, with `out` untouched, when a buffer is missing,
// a size is outside 1..65535, the channel count is outside 1..4 or the buffers overlap.
bool ResampleTrueColour(const std::uint8_t* in, int width, int height, std::uint8_t* out, int newWidth,
                        int newHeight, int bytesPerPixel);

// Bilinear rescaling of an index buffer through its palette: pixels are mixed as colours
// and brought back to the nearest of the first paletteSize entries. `palette` holds 256
// entries of blue, green, red, 0, so any index in the picture has a colour. False, with
// `out` untouched, on a missing buffer, a size outside 1..65535, a palette size outside
// 1..256 or overlapping buffers.
bool ResamplePaletted(const std::uint8_t* in, int width, int height, std::uint8_t* out, int newWidth,
                      int newHeight, int paletteSize, const std::uint8_t* palette);

// The same two, reading and writing rows wherever they lie (a COXDIB's own rows): `in`
// gives the old size, `out` the new one.
bool ResampleTrueColourRows(ConstRows in, Rows out, int bytesPerPixel);
bool ResamplePalettedRows(ConstRows in, Rows out, int paletteSize, const std::uint8_t* palette);

}  // namespace quillor

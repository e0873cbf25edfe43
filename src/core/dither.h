#pragma once

#include <cstdint>

#include "core/colour.h"
#include "core/image_rows.h"

namespace quillor {

// How the error of each pixel is spread. The values are those callers pass.
enum class DitherMethod : int {
    TwoValue = 0,        // half to the pixel ahead, half to the one below
    FloydSteinberg = 1,  // 7/16 ahead, 3/16 below behind, 5/16 below, 1/16 below ahead
};

// Maps a picture to a palette with error diffusion, rows alternately left to right and
// right to left. Nearest colours are looked up per cell of the top five bits of each
// channel, the first colour to reach a cell deciding the index for all that follow, and
// each channel's error is held to -20..20 so flat areas do not break into noise.
// Buffers as for MapToPalette; false, nothing written, on a missing buffer, a size that
// is not positive or a palette size outside 1..256.
bool DitherToPalette(const std::uint8_t* rgb, int width, int height, std::uint8_t* indices, int paletteSize,
                     const TableWord* palette, DitherMethod method);
bool DitherToPalette(ConstRows pixels, Rows indices, int paletteSize, const TableWord* palette,
                     DitherMethod method);

}  // namespace quillor

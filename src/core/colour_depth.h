#pragma once

#include "core/colour_mode.h"
#include "core/coxdib.h"

namespace quillor {

// How colours are reduced; the values are the ones kept in the settings.
enum class ConversionMethod : int {
    BestMatch = 0,             // nearest palette colour
    TwoValueDither = 1,        // error diffusion, half ahead and half below
    FloydSteinbergDither = 2,  // error diffusion with Floyd-Steinberg weights
};

// Converts a frame's image, held in colour mode `from` (8 bits for 2, 16 and 256
// colours, 24 bits for true colour), to mode `to`, replacing it in place:
//   - fewer colours: a palette of 2, 16 or 256 colours is built from the picture and every
//     pixel mapped to it by `method`; the table gets that palette, except that 2 colours
//     always get black at index 0 and white at index 1, the darker colour's pixels black;
//   - more palette colours: indices and the former colours stay;
//   - true colour: every pixel takes its table colour.
// Table entries not named above are the default table's. False, image unchanged, when
// the image does not hold the `from` mode's depth, `from` equals `to`, or memory runs
// out.
bool ConvertColourDepth(COXDIB& image, ColourMode from, ColourMode to, ConversionMethod method);

}  // namespace quillor

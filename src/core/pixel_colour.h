#pragma once

#include <cstdint>

#include "core/colour.h"
#include "core/coxdib.h"
#include "core/geometry.h"

namespace quillor {

// The colour of one pixel: a palette index with its table entry, or a true colour.
struct PointerColour {
    bool palette = false;
    std::uint8_t index = 0;
    ColourRef colour = 0;
};

// The colour of picture pixel `at` of an 8- or 24-bit image, which must lie on it.
PointerColour ColourAt(const COXDIB& image, IntPoint at);

}  // namespace quillor

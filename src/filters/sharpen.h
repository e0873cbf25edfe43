#pragma once

#include <cstdint>

#include "core/coxdib.h"

namespace quillor {

// Sharpens every channel through its 3 x 3 neighbourhood (edges replicated): each value
// moves away from the mean of its eight neighbours by percentage x 0.005 of their
// difference. The percentage is clamped to 0..100. Reads `in`, writes `out` (true-colour
// working buffers of width x height pixels); false when a buffer is missing or the two
// overlap.
bool Sharpen(const std::uint8_t* in, std::uint8_t* out, int width, int height, int percentage);

// The same on a true-colour frame in place; false (nothing changed) for any other depth.
bool SharpenImage(COXDIB& image, int percentage);

}  // namespace quillor

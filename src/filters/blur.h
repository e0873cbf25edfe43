#pragma once

#include <cstdint>

#include "core/coxdib.h"

namespace quillor {

// Blurs every channel towards the integer mean of its eight neighbours (3 x 3, edges
// replicated): percentage x 0.01 of that mean plus the rest of the value itself. At 100 %
// the value's own weight is gone entirely. The percentage is clamped to 0..100. Reads
// `in`, writes `out`; false when a buffer is missing or the two overlap.
bool Blur(const std::uint8_t* in, std::uint8_t* out, int width, int height, int percentage);

// The same on a true-colour frame in place; false (nothing changed) for any other depth.
bool BlurImage(COXDIB& image, int percentage);

}  // namespace quillor

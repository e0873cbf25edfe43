#pragma once

#include <cstdint>

#include "core/coxdib.h"

namespace quillor {

// Replaces every channel by the median (fifth smallest) of the nine values of its 3 x 3
// neighbourhood, edges replicated. Reads `in`, writes `out`; false when a buffer is
// missing or the two overlap.
bool MedianPass(const std::uint8_t* in, std::uint8_t* out, int width, int height);

// The largest simplification factor; the dialog keeps to 1..5, and a stray value from
// the settings store must not run for minutes.
constexpr int kMaxSimplifyFactor = 5;

// Simplifies ("oil painting") a working buffer in place: `factor` median passes, each on
// the result of the one before. A factor of 0 or less runs none; one above
// kMaxSimplifyFactor runs that many. False when the buffer is missing or empty.
bool Simplify(std::uint8_t* buffer, int width, int height, int factor);

// The same on a true-colour frame; false (nothing changed) for any other depth.
bool SimplifyImage(COXDIB& image, int factor);

}  // namespace quillor

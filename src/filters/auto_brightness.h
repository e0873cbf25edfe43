#pragma once

#include <cstdint>

#include "core/coxdib.h"

namespace quillor {

// Equalises the grey levels of a true-colour picture: the greys strictly between black
// and white are spread by their cumulative histogram, and every pixel's channels move by
// the change of its grey. Pure black and pure white greys stay, and do not count. Works
// on a working buffer in place; false when it is missing or empty.
bool AutoBrightness(std::uint8_t* buffer, int width, int height);

// The same on a true-colour frame; false (nothing changed) for any other depth.
bool AutoBrightnessImage(COXDIB& image);

}  // namespace quillor

#pragma once

#include <cstdint>

#include "core/coxdib.h"

namespace quillor {

// Removes speckles by complementary hulling, channel by channel, in place: in each of
// four directions, pixels darker than both neighbours along it are raised by steps of
// one and lighter ones lowered. Neighbours outside the picture count as 0, so edge
// pixels of 2 or more may come down by one or two. False when the buffer is missing or
// the size is empty.
bool Despeckle(std::uint8_t* buffer, int width, int height);

// The same on a true-colour frame; false (nothing changed) for any other depth.
bool DespeckleImage(COXDIB& image);

}  // namespace quillor

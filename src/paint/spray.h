#pragma once

#include <vector>

#include "platform/random_source.h"
#include "core/geometry.h"

namespace quillor {

inline constexpr int kMaxSprayDensity = 999;

// The points of one spray step at `centre`: `density` points in a disc of radius `size`,
// gathering towards the centre (each point's radius is drawn first).
std::vector<IntPoint> SprayPoints(IntPoint centre, int size, int density, RandomSource& random);

}  // namespace quillor

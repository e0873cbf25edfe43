#pragma once

#include <span>
#include <vector>

#include "core/geometry.h"

namespace quillor {

enum class SymmetryStyle : int { Cyclic = 0, MirroredCyclic = 1, Tile = 2 };

struct SymmetrySettings {
    SymmetryStyle style = SymmetryStyle::MirroredCyclic;
    int points = 6;
    int width = 320;
    int height = 200;
    int centreX = 160;
    int centreY = 100;
};

// Every copy a symmetric action is replayed at, in order: for each copy the given points
// (the pointer first, then whatever points the tool keeps) moved as that copy moves them.
std::vector<std::vector<IntPoint>> SymmetricCopies(const SymmetrySettings& settings,
                                                   std::span<const IntPoint> points);

}  // namespace quillor

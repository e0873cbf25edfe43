#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <limits>

#include "core/geometry.h"

namespace quillor {

// The stepper every stroke, outline, band and spray runs along.

// Where the major coordinate of a visited point may lie for the point to matter. Points
// farther out are skipped without being computed, so a segment from far outside the
// picture (the pointer's position saturates at the int range) costs nothing extra.
struct Reach {
    std::int64_t loX = std::numeric_limits<int>::min();
    std::int64_t hiX = std::numeric_limits<int>::max();
    std::int64_t loY = std::numeric_limits<int>::min();
    std::int64_t hiY = std::numeric_limits<int>::max();
};

// Visits the points from `from` towards `to` in order, (x, y) each; a zero-length segment
// visits its one point, otherwise the end is left out (it starts the next segment).
template <typename Visit>
void StepWithin(IntPoint from, IntPoint to, const Reach& reach, Visit&& visit) {
    const std::int64_t dx = std::int64_t(to.x) - from.x;
    const std::int64_t dy = std::int64_t(to.y) - from.y;
    if (dx == 0 && dy == 0) {
        visit(from.x, from.y);
        return;
    }
    const bool xMajor = std::llabs(dy) < std::llabs(dx);
    const std::int64_t major0 = xMajor ? from.x : from.y;
    const double minor0 = xMajor ? from.y : from.x;
    const std::int64_t span = xMajor ? dx : dy;
    const double slope = double(xMajor ? dy : dx) / double(span);
    const std::int64_t step = span > 0 ? 1 : -1;
    const std::int64_t lo = xMajor ? reach.loX : reach.loY;
    const std::int64_t hi = xMajor ? reach.hiX : reach.hiY;
    // i counts the points visited; the end point (i == |span|) is the next segment's start.
    std::int64_t first = 0;
    std::int64_t last = span * step - 1;
    if (step > 0) {
        first = std::max(first, lo - major0);
        last = std::min(last, hi - major0);
    } else {
        first = std::max(first, major0 - hi);
        last = std::min(last, major0 - lo);
    }
    for (std::int64_t i = first; i <= last; ++i) {
        const std::int64_t k = step * i;
        const int major = int(major0 + k);
        const int minor = int(minor0 + slope * double(k) + 0.5);
        if (xMajor)
            visit(major, minor);
        else
            visit(minor, major);
    }
}


// The points a segment visits, in order, for callers that take them one by one.
inline void StepSegment(IntPoint from, IntPoint to, const std::function<void(IntPoint)>& visit) {
    StepWithin(from, to, Reach{}, [&](int x, int y) { visit({x, y}); });
}

}  // namespace quillor

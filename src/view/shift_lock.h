#pragma once

#include <cstdint>

#include "view/view_placement.h"

namespace quillor {

// Holding Shift keeps a stroke on one axis. The axis is chosen by the first shifted
// event: a pointer that has not moved sideways since the last free event locks x
// (vertical), anything else locks y (horizontal). Works in window pixels, before the
// pointer is mapped onto the picture.
class ShiftLock {
public:
    enum class Axis : std::uint8_t { None = 0, Horizontal = 1, Vertical = 2 };

    // The position an event is handled at.
    IntPoint Apply(IntPoint pointer, bool shiftHeld);

    Axis Locked() const { return axis_; }
    IntPoint LastFree() const { return lastFree_; }

private:
    Axis axis_ = Axis::None;
    IntPoint lastFree_;
};

}  // namespace quillor

#include "view/shift_lock.h"

namespace quillor {

IntPoint ShiftLock::Apply(IntPoint pointer, bool shiftHeld) {
    if (!shiftHeld) {
        lastFree_ = pointer;
        axis_ = Axis::None;
        return pointer;
    }
    if (axis_ == Axis::None) axis_ = pointer.x == lastFree_.x ? Axis::Vertical : Axis::Horizontal;
    if (axis_ == Axis::Horizontal)
        pointer.y = lastFree_.y;
    else
        pointer.x = lastFree_.x;
    return pointer;
}

}  // namespace quillor

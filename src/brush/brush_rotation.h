#pragma once

#include <array>

#include "brush/brush_colour.h"
#include "brush/paint_brush.h"
#include "core/geometry.h"

namespace quillor {

// The turn a rotation drag asks for: the angle of the pointer seen from the press, 0
// straight below it, a quarter (pi / 2) to its right.
double RotationAngle(IntPoint press, IntPoint pointer);
// The angle in whole degrees, as the status text shows it.
int RotationDegrees(double angle);

// Where a width x height brush turned by `angle` about its top-left pixel puts its
// corners, each as x (column) and y (row) from that pixel, in the order top-left,
// top-right, bottom-right, bottom-left, and the box that holds them.
struct TurnedOutline {
    std::array<IntPoint, 4> corners;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
TurnedOutline TurnOutline(int width, int height, double angle);

// The brush as it was when a rotation drag began. Every step turns the copy afresh, so
// turning back and forth never loses anything.
class BrushRotation {
public:
    // `background` fills what no pixel of the turned brush covers (the brush's own form of
    // the background index or the background entry's colour value).
    BrushRotation(const BrushRecord& brush, bool trueColour, BrushColour background);

    // Rebuilds every frame as the copy turned by `angle`, cut to the turned outline's box.
    // False, with the brush as it was, when that box is empty. The handle is kept.
    bool TurnTo(BrushRecord& brush, double angle) const;

    const BrushRecord& Copy() const { return copy_; }

private:
    BrushRecord copy_;
    bool trueColour_;
    BrushColour background_;
};

}  // namespace quillor

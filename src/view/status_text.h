#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/colour.h"
#include "core/coxdib.h"
#include "core/pixel_colour.h"
#include "tools/status_extras.h"
#include "view/view_placement.h"

namespace quillor {

inline constexpr char kReadyText[] = "Ready";


struct StatusReport {
    DibSize picture;
    IntPoint pointer;  // picture coordinates
    PointerColour colour;
    double zoom = 1.0;
    // Where the press began, while a button is held.
    std::optional<IntPoint> pressPoint;
    StatusExtras extras;
};

// "Size: (%d x %d)    Coordinates: (%s x %s)" followed by the colour, the magnification,
// the drag or rotation and the brush notes.
std::string BuildStatusText(const StatusReport& report);

// One coordinate as the user counts it, from 1; past the far edge, the distance beyond it
// as "+n"; before the near edge, the plain negative picture coordinate.
std::string CoordinateText(int pictureCoordinate, int extent);

// "    Colour: ..." for a palette index or a true colour.
std::string ColourText(const PointerColour& colour);

// The drag's extent counted inclusively: from a press at 5 to a pointer at 5 is 1, to 4
// is -1 (never 0), to 3 is -2.
long long DragExtent(int pressCoordinate, int pointerCoordinate);

}  // namespace quillor

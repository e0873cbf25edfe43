#pragma once

#include "core/background_colour.h"
#include "core/coxdib.h"
#include "core/geometry.h"

namespace quillor {

// Where a picture of a new size is placed over the old one when its canvas is cut or
// extended.
enum class CropAnchor {
    TopLeft,
    TopCentre,
    TopRight,
    CentreLeft,
    Centre,
    CentreRight,
    BottomLeft,
    BottomCentre,
    BottomRight,
};

// The crop offset an anchor gives: the position, in the old picture, of the new
// picture's top-left pixel. Centring halves each side on its own, truncating, so odd
// differences lean the same way the offsets always have.
IntPoint CropOffsetForAnchor(CropAnchor anchor, DibSize oldSize, DibSize newSize);

// Fills `destination` (already of the new size, same depth as `source`, 8 or 24 bits):
// pixel (x, y) from the top left takes source pixel (x + offset.x, y + offset.y) where
// that lies inside the source, the background colour elsewhere. Offsets may be negative
// or run past the source. False, with nothing written, for mismatched depths.
bool CropInto(const COXDIB& source, COXDIB& destination, IntPoint offset, const BackgroundColour& background);

}  // namespace quillor

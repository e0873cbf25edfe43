#pragma once

#include "core/coxdib.h"
#include "document/document_environment.h"

namespace quillor {

// The picture "Make New Image From Brush" makes: an 8-bit picture with the brush's
// palette, or a 24-bit one, of the brush's size, brush row 0 at the top. False, with
// `image` unchanged, for a brush of no size or fewer pixels than its size needs.
bool ImageFromBrush(const BrushPicture& brush, bool trueColour, COXDIB& image);

}  // namespace quillor

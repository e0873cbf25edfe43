#pragma once

#include "core/coxdib.h"

namespace quillor {

// Turns a palette picture (1, 4 or 8 bits) into a 24-bit one of the same size, each
// pixel taking the colour its index names in the picture's own table. A 24-bit picture
// is left as it is. False (picture unchanged) when there is no memory for the copy or
// the picture is empty.
bool ExpandToTrueColour(COXDIB& image);

}  // namespace quillor

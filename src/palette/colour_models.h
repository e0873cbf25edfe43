#pragma once

#include "core/colour.h"

namespace quillor {

// A colour in the palette window's HSV model: hue 0 to 360 degrees, saturation and
// value 0 to 1, in double precision.
struct Hsv {
    double h = 0.0;
    double s = 0.0;
    double v = 0.0;
};

Hsv RgbToHsv(ColourRef colour);
// From hue in degrees (360 counts as 0) and saturation and value in percent; channels
// truncated.
ColourRef HsvToRgb(double hue, double saturationPercent, double valuePercent);

}  // namespace quillor

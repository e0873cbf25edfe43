#include "palette/colour_models.h"

#include <algorithm>

namespace quillor {

Hsv RgbToHsv(ColourRef colour) {
    const double r = RedOf(colour) / 255.0;
    const double g = GreenOf(colour) / 255.0;
    const double b = BlueOf(colour) / 255.0;
    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    Hsv hsv;
    hsv.v = max;
    hsv.s = max == 0.0 ? 0.0 : (max - min) / max;
    if (hsv.s == 0.0) return hsv;
    const double delta = max - min;
    double h = 0.0;
    if (r == max)
        h = (g - b) / delta;
    else if (g == max)
        h = (b - r) / delta + 2.0;
    else
        h = (r - g) / delta + 4.0;
    h *= 60.0;
    if (h < 0.0) h += 360.0;
    hsv.h = h;
    return hsv;
}

ColourRef HsvToRgb(double hue, double saturationPercent, double valuePercent) {
    const double s = saturationPercent * 0.01;
    const double v = valuePercent * 0.01;
    auto channel = [](double value) {
        // Truncated, and kept to a channel's range whatever the caller passed in.
        return std::uint8_t(std::clamp(value, 0.0, 255.0));
    };
    if (s == 0.0) {
        const std::uint8_t grey = channel(v * 255.0);
        return MakeColour(grey, grey, grey);
    }
    const double h = (hue >= 360.0 ? 0.0 : hue) / 60.0;
    const int i = int(h);
    const double f = h - i;
    const std::uint8_t p = channel(v * (1.0 - s) * 255.0);
    const std::uint8_t q = channel(v * (1.0 - s * f) * 255.0);
    const std::uint8_t t = channel(v * (1.0 - s * (1.0 - f)) * 255.0);
    const std::uint8_t w = channel(v * 255.0);
    switch (i) {
        case 0: return MakeColour(w, t, p);
        case 1: return MakeColour(q, w, p);
        case 2: return MakeColour(p, w, t);
        case 3: return MakeColour(p, q, w);
        case 4: return MakeColour(t, p, w);
        default: return MakeColour(w, p, q);
    }
}

}  // namespace quillor

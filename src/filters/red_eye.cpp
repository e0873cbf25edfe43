#include "filters/red_eye.h"

#include <algorithm>

namespace quillor {

namespace {

// The hexcone hue in degrees: 0 for a grey, -1 for black.
double Hue(int r, int g, int b) {
    const int high = std::max({r, g, b}), low = std::min({r, g, b});
    if (high == 0) return -1.0;
    if (high == low) return 0.0;
    const double span = high - low;
    double hue = high == r ? (g - b) / span : high == g ? (b - r) / span + 2.0 : (r - g) / span + 4.0;
    hue *= 60.0;
    return hue < 0.0 ? hue + 360.0 : hue;
}

}  // namespace

bool RedEyeReduces(std::uint8_t red, std::uint8_t green, std::uint8_t blue, const RedEyeSettings& settings) {
    const int high = std::max({red, green, blue}), low = std::min({red, green, blue});
    const double saturation = high == 0 ? 0.0 : double(high - low) / double(high);
    if (!(saturation > settings.saturation * 0.01)) return false;
    // The band widens (or narrows) by a third of the range's distance from 50, whole
    // degrees, rounded toward zero.
    const int k = (settings.range - 50) / 3;
    const double hue = Hue(red, green, blue);
    return (hue > k + 300 && hue < 360) || hue < k;
}

bool ReduceRedEye(COXDIB& image, const IntRect& rect, const RedEyeSettings& settings) {
    if (image.IsEmpty() || image.GetBitCount() != 24) return false;
    const DibSize size = image.GetSize();
    const int left = std::max(rect.left, 0), top = std::max(rect.top, 0);
    const int right = std::min(rect.right, size.width), bottom = std::min(rect.bottom, size.height);
    for (int y = top; y < bottom; ++y) {
        std::uint8_t* pixel = image.Line(y) + std::size_t(left) * 3;
        for (int x = left; x < right; ++x, pixel += 3) {
            // Stored blue, green, red.
            if (RedEyeReduces(pixel[2], pixel[1], pixel[0], settings))
                pixel[2] = std::uint8_t((int(pixel[1]) + int(pixel[0])) / 2);
        }
    }
    return true;
}

}  // namespace quillor

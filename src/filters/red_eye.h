#pragma once

#include <cstdint>
#include <string_view>

#include "core/coxdib.h"
#include "core/geometry.h"

namespace quillor {

inline constexpr std::string_view kRedEyeNotAvailableText =
    "The Red Eye filter is only available for True Colour images. Please convert image to True Colour first.";
inline constexpr std::string_view kRedEyeNotAvailableTitle = "Red Eye Filter Not Available";

// How red-eye reduction picks its pixels: red must dominate the other colours by more
// than `saturation` percent, and the hue must lie in a red band whose width grows with
// `range` (50 percent: hues strictly between 300 and 360 degrees).
struct RedEyeSettings {
    int saturation = 50;
    int range = 50;
};

// Whether a pixel of these channels is one to reduce.
bool RedEyeReduces(std::uint8_t red, std::uint8_t green, std::uint8_t blue, const RedEyeSettings& settings);

// Reduces red eye in `rect` of a true-colour frame (cut to the picture): every pixel the
// settings pick takes the mean of its green and blue as its red. False, with nothing
// changed, for a frame of another depth; true otherwise, also when the cut rectangle is
// empty.
bool ReduceRedEye(COXDIB& image, const IntRect& rect, const RedEyeSettings& settings);

}  // namespace quillor

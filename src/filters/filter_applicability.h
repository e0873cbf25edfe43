#pragma once

#include "core/colour_mode.h"

namespace quillor {

// The pixel operations of the Image and Palette menus, for the depth rule their commands
// check before changing anything.
enum class PixelOperation {
    Sharpen,
    Despeckle,
    Blur,
    Simplify,
    AutoBrightness,
    BlackAndWhite,
    Negative,
    ColourBalance,
    Contrast,
    Gamma,
};

// The spatial filters, auto brightness and gamma need true colour; black and white,
// negative, colour balance and contrast also work on a palette image's colour table.
bool OperationApplies(PixelOperation operation, ColourMode mode);

// The information message a command shows when the frame's depth refuses it, titled
// kNotTrueColourTitle; null for operations that work at every depth.
const char* NotTrueColourMessage(PixelOperation operation);
inline constexpr const char* kNotTrueColourTitle = "Not True Colour Image";

// Shown (titled kCompiledImageTitle) before any of them changes the compiled image of a
// layered document; the command then goes on.
inline constexpr const char* kCompiledImageNote =
    "This function is available, but the result will only be temporary, as this is the compiled\n"
    "image of the layered image, and will be rebuilt from the other layers.";
inline constexpr const char* kCompiledImageTitle = "Note";

}  // namespace quillor

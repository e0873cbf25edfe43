#pragma once

#include <span>

#include "core/background_colour.h"
#include "core/colour_mode.h"
#include "core/coxdib.h"

namespace quillor {

// What one resize of a document's frames does: the new size, and either a rescale of
// the picture (bilinear or nearest neighbour) or a cut-out of / placement into a canvas
// of the new size, whose top-left pixel sits at the offset in the old picture.
struct ResizeSettings {
    int newWidth = 640;
    int newHeight = 480;
    int offsetX = 0;
    int offsetY = 0;
    bool rescale = true;
    bool bilinear = true;
};

// Gives one frame's image the new size. `mode` is the frame's colour mode: bilinear
// rescaling of a palette frame keeps to the 2, 16 or 256 entries that mode allows.
// Palette frames keep their colour table; uncovered pixels take the background (its
// index on palette frames, its colour on true-colour ones). False, with the image as it
// was, for an empty image, a depth other than 8 or 24 bits, a new side outside 1..65535
// or a picture too large to hold.
bool ResizeFrameImage(COXDIB& image, ColourMode mode, const ResizeSettings& settings,
                      const BackgroundColour& background);

// Resizes every image in order, `modes[i]` being the mode of `images[i]`. All or
// nothing: when any image cannot be resized (or the spans differ in length, or an
// image is missing) every image stays as it was and the result is false.
// Each image is one pass of the work's progress (see WorkProgress).
bool ResizeFrames(std::span<COXDIB* const> images, std::span<const ColourMode> modes,
                  const ResizeSettings& settings, const BackgroundColour& background);

}  // namespace quillor

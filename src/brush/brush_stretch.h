#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "brush/brush_colour.h"
#include "brush/paint_brush.h"

namespace quillor {

// The brush as it was when a stretch drag began, and what each step of the drag needs
// from it. Every step rebuilds the brush from this copy, so a long drag never piles up
// resampling losses.
class BrushStretch {
public:
    // `transparent` is the brush's transparent colour (the background index, or the
    // background entry's colour value, in the brush's own form).
    BrushStretch(const BrushRecord& brush, bool trueColour, BrushColour transparent, bool bilinear);

    // Rebuilds every frame at width x height. Nearest neighbour mirrors the copy left to
    // right (`mirrorX`) or top to bottom (`mirrorY`); bilinear resampling blends the
    // opaque pixels only and keeps the copy's transparent areas transparent. False, with
    // the brush as it was, when either side is below 1.
    bool StretchTo(BrushRecord& brush, int width, int height, bool mirrorX, bool mirrorY) const;

    const BrushRecord& Copy() const { return copy_; }

private:
    bool Bilinear(const std::vector<std::uint8_t>& filled, const std::vector<std::uint8_t>& mask,
                  std::vector<std::uint8_t>& to, int width, int height) const;

    BrushRecord copy_;
    bool trueColour_;
    BrushColour transparent_;
    bool bilinear_;
    // Bilinear only, per frame: the copy with its transparent pixels given the colours of
    // their opaque neighbours (so edges do not blend towards the transparent colour), and
    // the mask that marks which pixels were transparent.
    std::vector<std::vector<std::uint8_t>> filled_;
    std::vector<std::vector<std::uint8_t>> masks_;
    std::array<std::uint8_t, 1024> palette_{};
};

// The brush palette as the palette resampler reads it: blue, green, red, 0 per entry.
std::array<std::uint8_t, 1024> ResamplerPalette(const std::array<ColourRef, 256>& palette);

}  // namespace quillor

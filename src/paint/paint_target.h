#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "core/colour.h"
#include "core/colour_mode.h"
#include "core/coxdib.h"
#include "paint/band_overlay.h"
#include "core/geometry.h"
#include "paint/pixel_write_guard.h"

namespace quillor {

class FxStroke;

// The colour that draws a rubber band: not a colour of the picture but one that stands
// out from whatever pixel it lands on, drawn over the picture, never into it.
inline constexpr int kBandColour = -999;

// Everything a drawing operation needs to know about where and how it paints: the
// frame's image, the display copy rubber bands go into, how colours are named, and the
// stroke's state. The tools fill one in for each press from the document and the view.
struct PaintTarget {
    COXDIB* image = nullptr;       // 8- or 24-bit
    BandOverlay* band = nullptr;   // where rubber bands are drawn, or null when none is shown
    ColourMode mode = ColourMode::TrueColour;
    // On true-colour images a colour is an index into this table (the document's).
    const std::array<ColourRef, 256>* table = nullptr;
    std::uint8_t foreground = 1;
    std::uint8_t background = 0;
    // The stroke was started with the right button: brushes paint the background colour.
    bool rightButton = false;
    // True-colour brushes are pasted with softened edges.
    bool antiAlias = false;
    // Band points are taken off the band instead of marked.
    bool eraseBand = false;
    // The palette's darkest and lightest entries, found when the display copy was made.
    std::uint8_t bandDarkest = 1;
    std::uint8_t bandLightest = 0;
    // Palette indices the colour stencil protects; empty when the stencil is off.
    std::function<bool(std::uint8_t)> isProtected;
    // The FX brush's stroke, while one runs and this stroke applies it: brush stamps then
    // apply its effect instead of painting the brush.
    FxStroke* fx = nullptr;
    // Set by a brush paste, cleared by a plain pixel write (the tools' "pasted" flag).
    bool pasted = false;
    // Told before any pixel of `image` changes; null when the writes are not edits (the
    // brush preview) or nothing keeps a history.
    PixelWriteGuard* guard = nullptr;

    void BeforeWrite(const IntRect& pictureRect) const {
        if (guard != nullptr) guard->BeforeWrite(pictureRect);
    }
    bool TrueColour() const { return image != nullptr && image->GetBitCount() == 24; }
    // The colour value a table index stands for on a true-colour image.
    ColourRef TableColour(int index) const { return table ? (*table)[std::uint8_t(index)] : 0; }
    // The brush's transparent colour: the background index, or its table colour.
    ColourRef BackgroundValue() const { return TrueColour() ? TableColour(background) : background; }
    // Indices a picture of this mode can hold (2, 16 or 256).
    unsigned PaletteLimit() const {
        return mode == ColourMode::Mono ? 2 : mode == ColourMode::Colours16 ? 16 : 256;
    }
};

}  // namespace quillor

#pragma once

#include <array>
#include <cstdint>

#include "core/colour.h"

namespace quillor {

class CAnimDoc;
class COXDIB;
class PaintBrush;

// The first of the `count` entries of `table` nearest to `colour` (|dred| + |dgreen| +
// |dblue|); 0 when `count` is 0.
int NearestEntry(ColourRef colour, const ColourRef* table, int count);

// Every pixel of an 8-bit picture to the nearest of the first `count` colours of
// `palette` (each of its first `count` entries matched once), then those colours become
// the picture's first `count` entries.
void RemapImageToPalette(COXDIB& image, int count, const std::array<ColourRef, 256>& palette);

// The commands that carry colours between a palette picture and the palette brush. Each
// does nothing (false) on a true-colour frame or without a frame.
// "Remap To Brush Palette": every pixel to the nearest brush-palette colour, then that
// palette becomes the picture's. One undo step.
bool RemapToBrushPalette(CAnimDoc& document, const PaintBrush& brush);
// "Use Brush Palette": the picture's entries become the brush palette's; pixels stay.
// One undo step.
bool UseBrushPalette(CAnimDoc& document, const PaintBrush& brush);
// "Remap To Palette": the palette brush's pixels to the nearest colours of the
// picture's palette (its transparent pixels to the document's background). No undo:
// the brush changes, not the picture. False too for a brush whose frames are borrowed
// (they are not its own to recolour) or that has none.
bool RemapBrushToPalette(const CAnimDoc& document, PaintBrush& brush);

}  // namespace quillor

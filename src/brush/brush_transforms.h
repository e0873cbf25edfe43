#pragma once

#include "brush/paint_brush.h"

namespace quillor {

// The transforms of a brush of one depth, on every frame. Each keeps the brush from
// before as the previous brush, so "Restore Previous Brush" takes it back; a brush
// whose frames are borrowed is never changed.

// A quarter turn clockwise: width and height swap, the handle stays.
bool QuarterTurnBrush(PaintBrush& brush, bool trueColour, std::uint32_t documentFrames);
// Mirrors left to right (`horizontal`) or top to bottom; the handle stays.
bool FlipBrush(PaintBrush& brush, bool trueColour, bool horizontal, std::uint32_t documentFrames);

// Resizes to `width` x `height` (truncated): bilinear through the picture resamplers, or
// nearest neighbour; the handle is scaled with the brush. A size below 1 either way
// leaves the brush as it was.
bool ResizeBrush(PaintBrush& brush, bool trueColour, double width, double height, bool bilinear,
                 std::uint32_t documentFrames);

// The size commands with their guards: twice, half (both sides at least 2), two more,
// two less (both sides at least 3).
bool DoubleBrush(PaintBrush& brush, bool trueColour, bool bilinear, std::uint32_t documentFrames);
bool HalveBrush(PaintBrush& brush, bool trueColour, bool bilinear, std::uint32_t documentFrames);
bool EnlargeBrush(PaintBrush& brush, bool trueColour, bool bilinear, std::uint32_t documentFrames);
bool ShrinkBrush(PaintBrush& brush, bool trueColour, bool bilinear, std::uint32_t documentFrames);

}  // namespace quillor

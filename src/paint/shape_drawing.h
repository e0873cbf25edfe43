#pragma once

#include <functional>

#include "paint/paint_target.h"

namespace quillor {

// Draws by handing segments (from, to, use-brush) to the caller, which passes them to
// the brush's PasteSegment. A plot is a zero-length segment.
using SegmentSink = std::function<void(IntPoint from, IntPoint to, bool useBrush)>;

void DrawRectangleOutline(const IntRect& band, bool useBrush, const SegmentSink& sink);
void DrawFilledRectangle(const IntRect& band, const SegmentSink& sink);
void DrawEllipseOutline(const IntRect& band, bool useBrush, const SegmentSink& sink);
void DrawFilledEllipse(const IntRect& band, const SegmentSink& sink);
// The quadratic curve from `start` through `control` to `end`.
void DrawCurve(IntPoint start, IntPoint control, IntPoint end, bool useBrush, const SegmentSink& sink);

// The band of the square tools (and red eye) from the press point to the pointer;
// `squaresOnly` makes both sides the larger of the two.
IntRect SquareBand(IntPoint press, IntPoint pointer, bool squaresOnly);
// The band of the circle tools: centred on the press point.
IntRect CircleBand(IntPoint press, IntPoint pointer, bool circlesOnly);
// The curve's control point so that it passes through `bend` at its middle.
IntPoint CurveControl(IntPoint start, IntPoint end, IntPoint bend);

}  // namespace quillor

#include "tools/band_tools.h"

#include <algorithm>
#include <cstdlib>

#include "document/anim_frame.h"
#include "paint/shape_drawing.h"
#include "tools/tool_context.h"

namespace quillor {

namespace {

// Passes a shape's segments to the brush, as bands or as paint.
SegmentSink SinkFor(PaintBrush& brush, PaintTarget& target, int colour) {
    return [&brush, &target, colour](IntPoint from, IntPoint to, bool useBrush) {
        brush.PasteSegment(target, from, to, colour, useBrush);
    };
}

void BandOutline(ToolContext& c, const IntRect& rect, bool ellipse, bool erase) {
    if (rect.Empty() || !c.HasBand()) return;
    PaintTarget target = c.Target();
    target.eraseBand = erase;
    const SegmentSink sink = SinkFor(c.brush, target, kBandColour);
    if (ellipse) DrawEllipseOutline(rect, false, sink);
    else DrawRectangleOutline(rect, false, sink);
}

// Moves a straight rubber band from start-to-end to start-to-point.
void MoveBandLine(ToolContext& c, IntPoint start, IntPoint& end, IntPoint point) {
    if (!c.HasBand()) return;
    PaintTarget target = c.Target();
    target.eraseBand = true;
    c.brush.PasteSegment(target, start, end, kBandColour, false);
    target.eraseBand = false;
    c.brush.PasteSegment(target, start, point, kBandColour, false);
    end = point;
    c.RedrawView();
}

}  // namespace

// --- Line --------------------------------------------------------------------------------------

void LineTool::Begin(IntPoint) {
    start = press;
    end = last;
}

void LineTool::Drag(IntPoint point) {
    MoveBandLine(Context(), start, end, point);
}

void LineTool::End(IntPoint point) {
    ToolContext& c = Context();
    PaintTarget target = c.Target(buttons);
    Segment(target, start, point, c.StrokeColour(buttons), true);
}

// --- Curve -------------------------------------------------------------------------------------

void CurveTool::Begin(IntPoint) {
    if (BendPending()) return;
    start = press;
    end = last;
}

void CurveTool::Drag(IntPoint point) {
    if (BendPending()) {
        // The button is down for the click that fixes the bend: keep showing the bend.
        Hover(point);
        return;
    }
    MoveBandLine(Context(), start, end, point);
}

void CurveTool::End(IntPoint point) {
    ToolContext& c = Context();
    if (!BendPending()) {
        // The ends are fixed; the bend follows the pointer until the next click.
        end = point;
        curveStage = 1;
        return;
    }
    const IntPoint control = CurveControl(start, end, point);
    PaintTarget target = c.Target(buttons);
    DrawCurve(start, control, end, true, SinkFor(c.brush, target, c.StrokeColour(buttons)));
    curveStage = 0;
    c.EndBand();
}

void CurveTool::Hover(IntPoint point) {
    if (!BendPending()) {
        PaintTool::Hover(point);
        return;
    }
    ToolContext& c = Context();
    if (!c.HasPicture()) return;
    if (!c.HasBand()) c.StartBand();
    if (curveStage == 2) DrawBend(control_, true);
    control_ = CurveControl(start, end, point);
    DrawBend(control_, false);
    curveStage = 2;
    last = point;
    c.RedrawView();
}

void CurveTool::DrawBend(IntPoint control, bool erase) {
    ToolContext& c = Context();
    PaintTarget target = c.Target();
    target.eraseBand = erase;
    DrawCurve(start, control, end, false, SinkFor(c.brush, target, kBandColour));
}

// --- Squares and circles -------------------------------------------------------------------------

bool BoxShapeTool::Round() const {
    return Id() == tool_id::kCircle || Id() == tool_id::kFilledCircle;
}

IntRect BoxShapeTool::BandTo(IntPoint pointer) const {
    const ToolContext& c = Context();
    return Round() ? CircleBand(press, pointer, c.circleStyle == 0)
                   : SquareBand(press, pointer, c.squareStyle == 0);
}

void BoxShapeTool::DrawBand(const IntRect& rect, bool erase) {
    BandOutline(Context(), rect, Round(), erase);
}

void BoxShapeTool::Begin(IntPoint) { band = {}; }

void BoxShapeTool::Drag(IntPoint point) {
    DrawBand(band, true);
    band = BandTo(point);
    DrawBand(band, false);
    Context().RedrawView();
}

void BoxShapeTool::End(IntPoint point) {
    ToolContext& c = Context();
    const IntRect rect = BandTo(point);
    PaintTarget target = c.Target(buttons);
    const SegmentSink sink = SinkFor(c.brush, target, c.StrokeColour(buttons));
    switch (Id()) {
        case tool_id::kSquare: DrawRectangleOutline(rect, true, sink); break;
        case tool_id::kFilledSquare: DrawFilledRectangle(rect, sink); break;
        case tool_id::kCircle: DrawEllipseOutline(rect, true, sink); break;
        case tool_id::kFilledCircle: DrawFilledEllipse(rect, sink); break;
        default: break;
    }
    band = {};
}

// --- Magnify -------------------------------------------------------------------------------------

void MagnifyTool::Begin(IntPoint) { band = {}; }

void MagnifyTool::Drag(IntPoint point) {
    ToolContext& c = Context();
    BandOutline(c, band, false, true);
    band = SquareBand(press, point, false);
    BandOutline(c, band, false, false);
    c.RedrawView();
}

void MagnifyTool::End(IntPoint point) {
    ToolContext& c = Context();
    if (!c.activeView) return;
    c.EndBand();
    if (buttons & pointer_flags::kLeft) {
        std::optional<IntRect> dragged;
        if (!(point == press)) {
            const IntRect r = SquareBand(press, point, false);
            dragged = IntRect{r.left, r.top, r.right, r.bottom};
        }
        c.activeView->ZoomInAt(point, dragged);
    } else if (buttons & pointer_flags::kRight) {
        c.activeView->ZoomOutAt(point);
    }
    band = {};
}

// --- Custom brush sizing -------------------------------------------------------------------------

IntRect CustomBrushSizingTool::BandTo(IntPoint pointer) const {
    int dx = pointer.x - press.x, dy = pointer.y - press.y;
    const int larger = std::max(std::abs(dx), std::abs(dy));
    dx = std::clamp(dx < 0 ? -larger : larger, -50, 50);
    dy = std::clamp(dy < 0 ? -larger : larger, -50, 50);
    const int hx = std::abs(dx), hy = std::abs(dy);
    return {press.x - hx, press.y - hy, press.x + hx + 1, press.y + hy + 1};
}

void CustomBrushSizingTool::DrawBand(const IntRect& rect, bool erase) {
    BandOutline(Context(), rect, kind_ == BrushKind::CustomCircle, erase);
}

void CustomBrushSizingTool::Begin(IntPoint) { band = {}; }

void CustomBrushSizingTool::Drag(IntPoint point) {
    DrawBand(band, true);
    band = BandTo(point);
    DrawBand(band, false);
    Context().RedrawView();
}

void CustomBrushSizingTool::End(IntPoint point) {
    ToolContext& c = Context();
    c.brush.BuildCustomBrush(BandTo(point), kind_, c.Target());
    c.RequestTool(tool_id::kPaint);
}

}  // namespace quillor

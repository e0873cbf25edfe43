#include "tools/band_tools.h"

#include <algorithm>
#include <cstdlib>

#include "document/anim_frame.h"
#include "filters/red_eye.h"
#include "paint/shape_drawing.h"
#include "tools/brush_grab.h"
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
    start_ = press_;
    end_ = last_;
}

void LineTool::Drag(IntPoint point) {
    MoveBandLine(Context(), start_, end_, point);
}

void LineTool::End(IntPoint point) {
    ToolContext& c = Context();
    PaintTarget target = c.Target(buttons_);
    Segment(target, start_, point, c.StrokeColour(buttons_), true);
}

// --- Curve -------------------------------------------------------------------------------------

void CurveTool::Begin(IntPoint) {
    if (stage_ != Stage::Ends) return;
    start_ = press_;
    end_ = last_;
}

void CurveTool::Drag(IntPoint point) {
    if (stage_ != Stage::Ends) {
        // The button is down for the click that fixes the bend: keep showing the bend.
        Hover(point);
        return;
    }
    MoveBandLine(Context(), start_, end_, point);
}

void CurveTool::End(IntPoint point) {
    ToolContext& c = Context();
    if (stage_ == Stage::Ends) {
        // The ends are fixed; the bend follows the pointer until the next click.
        end_ = point;
        stage_ = Stage::BendWaiting;
        return;
    }
    const IntPoint control = CurveControl(start_, end_, point);
    PaintTarget target = c.Target(buttons_);
    DrawCurve(start_, control, end_, true, SinkFor(c.brush, target, c.StrokeColour(buttons_)));
    stage_ = Stage::Ends;
    c.EndBand();
}

void CurveTool::Hover(IntPoint point) {
    if (stage_ == Stage::Ends) {
        PaintTool::Hover(point);
        return;
    }
    ToolContext& c = Context();
    if (!c.HasPicture()) return;
    if (!c.HasBand()) c.StartBand();
    if (stage_ == Stage::BendShown) DrawBend(control_, true);
    control_ = CurveControl(start_, end_, point);
    DrawBend(control_, false);
    stage_ = Stage::BendShown;
    last_ = point;
    c.RedrawView();
}

void CurveTool::DrawBend(IntPoint control, bool erase) {
    ToolContext& c = Context();
    PaintTarget target = c.Target();
    target.eraseBand = erase;
    DrawCurve(start_, control, end_, false, SinkFor(c.brush, target, kBandColour));
}

// --- Squares and circles -------------------------------------------------------------------------

bool BoxShapeTool::Round() const {
    return Id() == tool_id::kCircle || Id() == tool_id::kFilledCircle;
}

bool BoxShapeTool::Outlined() const {
    return Id() == tool_id::kSquare || Id() == tool_id::kCircle;
}

CursorShape BoxShapeTool::Cursor(bool fxOn, bool symmetryOn) const {
    // The outlined shapes paint with the brush, so they have an FX look; the filled ones
    // paint plain colour.
    const bool fx = fxOn && !symmetryOn && Outlined();
    if (Round()) return fx ? CursorShape::CircleFx : CursorShape::Circle;
    return fx ? CursorShape::SquareFx : CursorShape::Square;
}

IntRect BoxShapeTool::BandTo(IntPoint pointer) const {
    const ToolPreferences& s = Context().settings;
    return Round() ? CircleBand(press_, pointer, s.circleOnly == 0)
                   : SquareBand(press_, pointer, s.squareOnly == 0);
}

void BoxShapeTool::DrawBand(const IntRect& rect, bool erase) {
    BandOutline(Context(), rect, Round(), erase);
}

void BoxShapeTool::Begin(IntPoint) { band_ = {}; }

void BoxShapeTool::Drag(IntPoint point) {
    DrawBand(band_, true);
    band_ = BandTo(point);
    DrawBand(band_, false);
    Context().RedrawView();
}

void BoxShapeTool::End(IntPoint point) {
    ToolContext& c = Context();
    const IntRect rect = BandTo(point);
    PaintTarget target = c.Target(buttons_);
    const SegmentSink sink = SinkFor(c.brush, target, c.StrokeColour(buttons_));
    switch (Id()) {
        case tool_id::kSquare: DrawRectangleOutline(rect, true, sink); break;
        case tool_id::kFilledSquare: DrawFilledRectangle(rect, sink); break;
        case tool_id::kCircle: DrawEllipseOutline(rect, true, sink); break;
        case tool_id::kFilledCircle: DrawFilledEllipse(rect, sink); break;
        default: break;
    }
    band_ = {};
}

// --- Magnify -------------------------------------------------------------------------------------

void DraggedRectangleTool::Begin(IntPoint) { band_ = {}; }

void DraggedRectangleTool::Drag(IntPoint point) {
    ToolContext& c = Context();
    BandOutline(c, band_, false, true);
    band_ = BandTo(point);
    BandOutline(c, band_, false, false);
    c.RedrawView();
}

IntRect DraggedRectangleTool::BandTo(IntPoint pointer) const { return SquareBand(press_, pointer, false); }

// --- Red eye -------------------------------------------------------------------------------------

IntRect RedEyeTool::BandTo(IntPoint pointer) const {
    return SquareBand(press_, pointer, Context().settings.squareOnly == 0);
}

void RedEyeTool::End(IntPoint point) {
    ToolContext& c = Context();
    if (!c.HasPicture()) return;
    const IntRect rect = BandTo(point);
    PaintTarget target = c.Target(buttons_);
    if (!target.TrueColour()) return;
    target.BeforeWrite(rect);
    ReduceRedEye(*target.image, rect,
                 RedEyeSettings{c.settings.redEyeSaturation, c.settings.redEyeRange});
}

void GrabTool::End(IntPoint point) {
    ToolContext& c = Context();
    c.EndBand();
    if (!c.HasPicture() || c.document == nullptr || c.ui == nullptr) return;
    const DibSize size = c.currentImage->image->GetSize();
    const IntRect area = GrabRectangle(press_, point, size.width, size.height);
    const GrabSettings settings{c.settings.animatedBrush != 0, c.requestedBrushFrames, c.Target().isProtected};
    if (GrabBrush(c.brush, *c.document, area, nullptr, settings, true, *c.ui)) c.RequestTool(tool_id::kPaint);
}

void FreehandGrabTool::Begin(IntPoint point) {
    ToolContext& c = Context();
    outline_.reset();
    if (!c.HasPicture()) return;
    const DibSize size = c.currentImage->image->GetSize();
    outline_.emplace(size.width, size.height, point);
}

void FreehandGrabTool::Drag(IntPoint point) {
    ToolContext& c = Context();
    if (!outline_) return;
    if (c.HasBand()) {
        PaintTarget target = c.Target();
        c.brush.PasteSegment(target, outline_->Last(), point, kBandColour, false);
    }
    outline_->LineTo(point);
    c.RedrawView();
}

void FreehandGrabTool::End(IntPoint point) {
    ToolContext& c = Context();
    c.EndBand();
    std::optional<FreehandOutline> outline = std::move(outline_);
    outline_.reset();
    if (!outline || !c.HasPicture() || c.document == nullptr || c.ui == nullptr) return;
    const DibSize size = c.currentImage->image->GetSize();
    // Let go off the picture: no grab.
    if (point.x < 0 || point.y < 0 || point.x >= size.width || point.y >= size.height) return;
    const IntRect area = outline->Close();
    const GrabSettings settings{c.settings.animatedBrush != 0, c.requestedBrushFrames, c.Target().isProtected};
    if (GrabBrush(c.brush, *c.document, area, &outline->Mask(), settings, false, *c.ui))
        c.RequestTool(tool_id::kPaint);
}

void MagnifyTool::End(IntPoint point) {
    ToolContext& c = Context();
    if (!c.activeView) return;
    c.EndBand();
    if (buttons_ & pointer_flags::kLeft) {
        std::optional<IntRect> dragged;
        if (!(point == press_)) dragged = SquareBand(press_, point, false);
        c.activeView->ZoomInAt(point, dragged);
    } else if (buttons_ & pointer_flags::kRight) {
        c.activeView->ZoomOutAt(point);
    }
}

// --- Custom brush sizing -------------------------------------------------------------------------

IntRect CustomBrushSizingTool::BandTo(IntPoint pointer) const {
    int dx = pointer.x - press_.x, dy = pointer.y - press_.y;
    const int larger = std::max(std::abs(dx), std::abs(dy));
    dx = std::clamp(dx < 0 ? -larger : larger, -50, 50);
    dy = std::clamp(dy < 0 ? -larger : larger, -50, 50);
    const int hx = std::abs(dx), hy = std::abs(dy);
    return {press_.x - hx, press_.y - hy, press_.x + hx + 1, press_.y + hy + 1};
}

void CustomBrushSizingTool::DrawBand(const IntRect& rect, bool erase) {
    BandOutline(Context(), rect, kind_ == BrushKind::CustomCircle, erase);
}

void CustomBrushSizingTool::Begin(IntPoint) { band_ = {}; }

void CustomBrushSizingTool::Drag(IntPoint point) {
    DrawBand(band_, true);
    band_ = BandTo(point);
    DrawBand(band_, false);
    Context().RedrawView();
}

void CustomBrushSizingTool::End(IntPoint point) {
    ToolContext& c = Context();
    c.brush.BuildCustomBrush(BandTo(point), kind_, c.Target());
    c.RequestTool(tool_id::kPaint);
}

}  // namespace quillor

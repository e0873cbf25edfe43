#include "tools/brush_drag_tools.h"

#include <cstdlib>

#include "tools/tool_context.h"

namespace quillor {

namespace {

// The brush's transparent colour in the picture being painted: the background index, or
// the background entry's colour.
BrushColour Transparent(const PaintTarget& target) {
    return ColourValueOf(target.BackgroundValue(), target.TrueColour());
}

}  // namespace

// --- Stretch ---------------------------------------------------------------------------------------

void BrushStretchTool::Begin(IntPoint point) {
    ToolContext& c = Context();
    stretch_.reset();
    const PaintTarget target = c.Target();
    const BrushRecord& brush = c.brush.For(target);
    if (!brush.Exists() || brush.borrowed) return;
    anchor_ = {point.x - brush.width, point.y - brush.height};
    stretch_.emplace(brush, target.TrueColour(), Transparent(target), c.settings.brushBilinearStretch != 0);
}

void BrushStretchTool::Drag(IntPoint point) {
    ToolContext& c = Context();
    if (!stretch_) return;
    const bool left = point.x < anchor_.x, above = point.y < anchor_.y;
    const int width = std::abs(point.x - anchor_.x), height = std::abs(point.y - anchor_.y);
    BrushRecord& brush = c.brush.For(c.Target());
    // Onto the anchor's row or column there is nothing to stretch to: the brush stays.
    if (!stretch_->StretchTo(brush, width, height, left, above)) return;
    // The handle at the corner under the pointer, so the brush spans anchor to pointer.
    brush.handleX = left ? width : 0;
    brush.handleY = above ? height : 0;
    c.ShowPreviewAt(point);
    c.RedrawView();
}

void BrushStretchTool::End(IntPoint) {
    ToolContext& c = Context();
    if (!stretch_) return;
    stretch_.reset();
    BrushRecord& brush = c.brush.For(c.Target());
    brush.handleX = brush.width / 2;
    brush.handleY = brush.height / 2;
}

// --- Rotation --------------------------------------------------------------------------------------

bool BrushRotationTool::UsesBand() const { return Context().settings.brushRotateGuideOnly != 0; }

void BrushRotationTool::Reset() {
    rotation_.reset();
    Context().rotationDegrees.reset();
}

void BrushRotationTool::DrawGuide(const TurnedOutline& outline) {
    ToolContext& c = Context();
    if (!c.HasBand()) return;
    // The whole guide is drawn afresh: its sides share their ends.
    c.StartBand();
    PaintTarget target = c.Target();
    for (std::size_t i = 0; i < outline.corners.size(); ++i) {
        const IntPoint from = outline.corners[i], to = outline.corners[(i + 1) % outline.corners.size()];
        c.brush.PasteSegment(target, {press_.x + from.x, press_.y + from.y}, {press_.x + to.x, press_.y + to.y},
                             kBandColour, false);
    }
}

void BrushRotationTool::Begin(IntPoint) {
    ToolContext& c = Context();
    rotation_.reset();
    const PaintTarget target = c.Target();
    const BrushRecord& brush = c.brush.For(target);
    if (!brush.Exists() || brush.borrowed) return;
    rotation_.emplace(brush, target.TrueColour(), Transparent(target));
    if (UsesBand()) {
        DrawGuide(TurnOutline(brush.width, brush.height, 0.0));
        c.RedrawView();
    }
}

void BrushRotationTool::Turn(IntPoint point) {
    ToolContext& c = Context();
    rotation_->TurnTo(c.brush.For(c.Target()), RotationAngle(press_, point));
    c.ShowPreviewAt(point);
}

void BrushRotationTool::Drag(IntPoint point) {
    ToolContext& c = Context();
    if (!rotation_) return;
    const double angle = RotationAngle(press_, point);
    c.rotationDegrees = RotationDegrees(angle);
    if (UsesBand()) {
        const BrushRecord& copy = rotation_->Copy();
        DrawGuide(TurnOutline(copy.width, copy.height, angle));
    } else {
        Turn(point);
    }
    c.RedrawView();
}

void BrushRotationTool::End(IntPoint point) {
    ToolContext& c = Context();
    if (!rotation_) return;
    // With the guide only, the one real turn happens now.
    if (UsesBand()) Turn(point);
    rotation_.reset();
    c.rotationDegrees.reset();
}

}  // namespace quillor

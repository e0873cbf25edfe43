#include "tools/freehand_tools.h"

#include "paint/spray.h"
#include "tools/tool_context.h"

namespace quillor {

void PaintFreehandTool::Begin(IntPoint point) {
    if (Context().symmetryOn) Symmetric(point, Action::Drag);
    else Drag(point);
}

void PaintFreehandTool::Drag(IntPoint point) {
    ToolContext& c = Context();
    PaintTarget target = c.Target(buttons_);
    if (c.brush.animationControl == 0) c.brush.Advance(target.TrueColour());
    Segment(target, last_, point, c.StrokeColour(buttons_), true);
    last_ = point;
    c.RedrawView();
}

void PaintFreehandTool::End(IntPoint) {
    ToolContext& c = Context();
    if (c.brush.animationControl == 1 && c.HasPicture()) c.brush.Advance(c.Target().TrueColour());
}

void TextTool::Begin(IntPoint point) {
    if (Context().symmetryOn) Symmetric(point, Action::Drag);
    else Drag(point);
}

void TextTool::Drag(IntPoint point) {
    ToolContext& c = Context();
    PaintTarget target = c.Target(buttons_);
    target.fx = nullptr;
    target.antiAlias = false;
    c.textBrush.PasteSegment(target, last_, point, c.StrokeColour(buttons_), true);
    last_ = point;
    c.RedrawView();
}

void SprayTool::HoldStill(IntPoint point) {
    if (Context().symmetryOn) Symmetric(point, Action::Drag);
    else Drag(point);
}

void SprayTool::Drag(IntPoint point) {
    ToolContext& c = Context();
    if (!(buttons_ & (pointer_flags::kLeft | pointer_flags::kRight)) || !c.random) return;
    PaintTarget target = c.Target(buttons_);
    const int colour = c.StrokeColour(buttons_);
    const ToolPreferences& s = c.settings;
    for (const IntPoint& p : SprayPoints(point, s.spraySize, s.sprayDensity, *c.random))
        Segment(target, p, p, colour, true);
    last_ = point;
    c.RedrawView();
}

}  // namespace quillor

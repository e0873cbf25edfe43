#include "tools/click_tools.h"

#include "document/anim_doc.h"
#include "paint/flood_fill.h"
#include "core/pixel_colour.h"
#include "tools/tool_context.h"

namespace quillor {

namespace {

bool OnPicture(const COXDIB& image, IntPoint p) {
    const DibSize size = image.GetSize();
    return p.x >= 0 && p.y >= 0 && p.x < size.width && p.y < size.height;
}

}  // namespace

void FillTool::End(IntPoint point) {
    ToolContext& c = Context();
    if (!c.HasPicture() || !OnPicture(*c.currentImage->image, point)) return;
    PaintTarget target = c.Target(buttons_);
    FloodFill(target, point.x, point.y, c.StrokeColour(buttons_));
}

void PickTool::End(IntPoint point) {
    ToolContext& c = Context();
    if (!c.HasPicture() || !c.document || !OnPicture(*c.currentImage->image, point)) return;
    const PointerColour colour = ColourAt(*c.currentImage->image, point);
    CAnimDoc& doc = *c.document;
    const bool left = (buttons_ & pointer_flags::kLeft) != 0;
    // While the stencil window chooses, a pick protects or frees the index, and the pick
    // tool stays for the next one.
    if (colour.palette && doc.stencil.choosing) {
        doc.stencil.Toggle(colour.index);
        return;
    }
    // The brush follows the new colours as the document tells of them.
    if (colour.palette) {
        if (left) doc.SetForeground(colour.index);
        else doc.SetBackground(colour.index);
    } else if (left) {
        doc.SetTableColour(1, colour.colour);
        doc.SetForeground(1);
    } else {
        doc.SetTableColour(0, colour.colour);
        doc.SetBackground(0);
    }
    c.RequestRestoreTool();
}

void SymmetryCentreTool::End(IntPoint point) {
    ToolContext& c = Context();
    c.settings.symmetryCentreX = preference_ranges::kSymmetryCentre.Clamp(point.x);
    c.settings.symmetryCentreY = preference_ranges::kSymmetryCentre.Clamp(point.y);
    c.RequestRestoreTool();
}

void HandleTool::Begin(IntPoint) {
    ToolContext& c = Context();
    if (!c.activeView) return;
    const Placement p = c.activeView->GetPlacement();
    originX_ = p.originX;
    originY_ = p.originY;
    pointer_ = c.activeView->PointerInWindow();
}

void HandleTool::Drag(IntPoint) {
    ToolContext& c = Context();
    if (!c.activeView) return;
    const IntPoint now = c.activeView->PointerInWindow();
    Placement p = c.activeView->GetPlacement();
    p.originX = originX_ + (now.x - pointer_.x);
    p.originY = originY_ + (now.y - pointer_.y);
    c.activeView->SetPlacement(p);
}

void BrushHandleTool::End(IntPoint point) {
    ToolContext& c = Context();
    if (c.HasPicture()) {
        // With the text tool the user's, its text brush is the one that moves.
        PaintBrush& moved = c.ButtonToolId() == tool_id::kText ? c.textBrush : c.brush;
        BrushRecord& brush = moved.For(c.Target());
        brush.handleX += press_.x - point.x;
        brush.handleY += press_.y - point.y;
    }
    c.RequestRestoreTool();
}

}  // namespace quillor

#include "tools/paint_tool.h"

#include "paint/symmetry.h"
#include "tools/tool_context.h"

namespace quillor {

void PaintTool::Press(unsigned buttons, IntPoint point) {
    last_ = press_ = point;
    buttons_ = buttons;
    Begin(point);
}

void PaintTool::Move(IntPoint point, bool buttonHeld) {
    const bool symmetric = RepeatsSymmetrically() && context_.symmetryOn;
    if (!buttonHeld) Hover(point);
    else if (symmetric) Symmetric(point, Action::Drag);
    else Drag(point);
}

void PaintTool::Release(unsigned buttons, IntPoint point) {
    if (RepeatsSymmetrically() && context_.symmetryOn) Symmetric(point, Action::End);
    else End(point);
    buttons_ = buttons;
}

void PaintTool::Tick(IntPoint point) {
    if (point == hover_) HoldStill(point);
    hover_ = point;
}

void PaintTool::Segment(PaintTarget& target, IntPoint from, IntPoint to, int colour, bool useBrush) {
    context_.brush.PasteSegment(target, from, to, colour, useBrush);
}

void PaintTool::Hover(IntPoint point) {
    ToolContext& c = context_;
    if (!c.HasPicture() || !c.activeView || !c.activeView->PointerInside()) return;
    if (ShowsBrushPreview()) c.ShowPreviewAt(point);
    last_ = point;
    c.RedrawView();
}

void PaintTool::Symmetric(IntPoint point, Action action) {
    const IntPoint originalStart = start_;
    const IntPoint points[4] = {point, last_, start_, end_};
    for (const auto& copy : SymmetricCopies(context_.Symmetry(), points)) {
        last_ = copy[1];
        start_ = copy[2];
        end_ = copy[3];
        switch (action) {
            case Action::Drag: Drag(copy[0]); break;
            case Action::End: End(copy[0]); break;
        }
    }
    last_ = end_ = point;
    start_ = originalStart;
}

}  // namespace quillor

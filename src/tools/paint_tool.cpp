#include "tools/paint_tool.h"

#include <cmath>

#include "document/anim_frame.h"
#include "core/pixel_colour.h"
#include "paint/symmetry.h"
#include "tools/tool_context.h"

namespace quillor {

void PaintTool::Segment(PaintTarget& target, IntPoint from, IntPoint to, int colour, bool useBrush) {
    Context().brush.PasteSegment(target, from, to, colour, useBrush);
}

void PaintTool::Hover(IntPoint point) {
    ToolContext& c = Context();
    if (!c.HasPicture() || !c.activeView || !c.activeView->PointerInside()) return;
    if (ShowsBrushPreview(id_)) {
        c.ShowPreviewAt(point);
    } else {
        // The colour under the pointer; while no stroke uses the brush, sampled at the
        // brush's middle rather than its corner.
        const COXDIB& image = *c.currentImage->image;
        const BrushRecord& brush = c.brush.Current(image.GetBitCount() == 24);
        IntPoint at = point;
        if (!brush.inUseByStroke) {
            at.x += int(0.5 * brush.width);
            at.y += int(0.5 * brush.height);
        }
        const DibSize size = image.GetSize();
        if (at.x >= 0 && at.y >= 0 && at.x < size.width && at.y < size.height) {
            const PointerColour colour = ColourAt(image, at);
            colourUnderPointer = colour.palette ? colour.index : colour.colour;
        }
    }
    last = point;
    c.RedrawView();
}

void PaintTool::Symmetric(IntPoint point, Action action) {
    ToolContext& c = Context();
    const IntPoint originalStart = start;
    const IntPoint points[4] = {point, last, start, end};
    for (const auto& copy : SymmetricCopies(c.symmetry, points)) {
        last = copy[1];
        start = copy[2];
        end = copy[3];
        switch (action) {
            case Action::Drag: Drag(copy[0]); break;
            case Action::End: End(copy[0]); break;
            case Action::Move: Hover(copy[0]); break;
        }
    }
    last = end = point;
    start = originalStart;
}

}  // namespace quillor

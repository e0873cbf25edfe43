#pragma once

#include "brush/paint_brush.h"
#include "tools/paint_tool.h"

namespace quillor {

// A straight line with the brush, shown as a rubber band while the button is held.
class LineTool final : public PaintTool {
public:
    explicit LineTool(ToolContext& context) : PaintTool(context, tool_id::kLine) {}
    void Begin(IntPoint point) override;
    void Drag(IntPoint point) override;
    void End(IntPoint point) override;
};

// A curve in two goes: drag its ends, then move the pointer to bend it and click.
class CurveTool final : public PaintTool {
public:
    explicit CurveTool(ToolContext& context) : PaintTool(context, tool_id::kCurve) {}
    void Begin(IntPoint point) override;
    void Drag(IntPoint point) override;
    void End(IntPoint point) override;
    void Hover(IntPoint point) override;
    bool BendPending() const { return curveStage > 0; }

private:
    void DrawBend(IntPoint control, bool erase);
    IntPoint control_;
};

// Squares and circles, outlined with the brush or filled with plain colour, from a
// rubber band dragged out from the press point.
class BoxShapeTool final : public PaintTool {
public:
    BoxShapeTool(ToolContext& context, int id) : PaintTool(context, id) {}
    void Begin(IntPoint point) override;
    void Drag(IntPoint point) override;
    void End(IntPoint point) override;

private:
    bool Round() const;
    IntRect BandTo(IntPoint pointer) const;
    void DrawBand(const IntRect& rect, bool erase);
};

// Zooms in (left button) or out (right) at a click, or in to a dragged rectangle.
class MagnifyTool final : public PaintTool {
public:
    explicit MagnifyTool(ToolContext& context) : PaintTool(context, tool_id::kMagnify) {}
    void Begin(IntPoint point) override;
    void Drag(IntPoint point) override;
    void End(IntPoint point) override;
};

// Sizes a custom square or circle brush by dragging out from its centre.
class CustomBrushSizingTool final : public PaintTool {
public:
    CustomBrushSizingTool(ToolContext& context, BrushKind kind)
        : PaintTool(context, tool_id::kCustomBrushSizing), kind_(kind) {}
    void Begin(IntPoint point) override;
    void Drag(IntPoint point) override;
    void End(IntPoint point) override;

private:
    IntRect BandTo(IntPoint pointer) const;
    void DrawBand(const IntRect& rect, bool erase);
    BrushKind kind_;
};

}  // namespace quillor

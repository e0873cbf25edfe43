#pragma once

#include "tools/paint_tool.h"

namespace quillor {

// Free-hand painting with the brush: the left button in the foreground colour, the
// right in the background colour.
class PaintFreehandTool final : public PaintTool {
public:
    explicit PaintFreehandTool(ToolContext& context) : PaintTool(context, tool_id::kPaint) {}
    void Begin(IntPoint point) override;
    void Drag(IntPoint point) override;
    void End(IntPoint point) override;
};

// Brush stamps scattered in a disc around the pointer, also while it holds still.
class SprayTool final : public PaintTool {
public:
    explicit SprayTool(ToolContext& context) : PaintTool(context, tool_id::kSpray) {}
    void HoldStill(IntPoint point) override;
    void Drag(IntPoint point) override;
};

}  // namespace quillor

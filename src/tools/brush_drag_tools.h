#pragma once

#include <optional>

#include "brush/brush_rotation.h"
#include "brush/brush_stretch.h"
#include "tools/paint_tool.h"

namespace quillor {

// Stretches the brush between the corner opposite the pointer (fixed at the press) and
// the pointer; dragging past that corner mirrors it when resizing is not bilinear. Stays
// current for further stretches until another tool is chosen.
class BrushStretchTool final : public PaintTool {
public:
    explicit BrushStretchTool(ToolContext& context) : PaintTool(context, tool_id::kBrushStretch) {}
    bool Lasting() const override { return false; }
    bool ShowsBrushPreview() const override { return true; }
    CursorShape Cursor(bool, bool) const override { return CursorShape::BrushStretch; }
    void Reset() override { stretch_.reset(); }

protected:
    void Begin(IntPoint point) override;
    void Drag(IntPoint point) override;
    void End(IntPoint point) override;

private:
    std::optional<BrushStretch> stretch_;
    IntPoint anchor_;
};

// Turns the brush about its top-left pixel by the pointer's angle seen from the press;
// with "guide only" on, a drag shows just the turned outline and the release turns the
// brush once. Stays current for further turns until another tool is chosen.
class BrushRotationTool final : public PaintTool {
public:
    explicit BrushRotationTool(ToolContext& context) : PaintTool(context, tool_id::kBrushRotation) {}
    bool Lasting() const override { return false; }
    bool UsesBand() const override;
    bool ShowsBrushPreview() const override { return true; }
    CursorShape Cursor(bool, bool) const override { return CursorShape::BrushRotate; }
    void Reset() override;

protected:
    void Begin(IntPoint point) override;
    void Drag(IntPoint point) override;
    void End(IntPoint point) override;

private:
    void DrawGuide(const TurnedOutline& outline);
    void Turn(IntPoint point);
    std::optional<BrushRotation> rotation_;
};

}  // namespace quillor

#pragma once

#include "tools/paint_tool.h"

namespace quillor {

// Free-hand painting with the brush: the left button in the foreground colour, the
// right in the background colour.
class PaintFreehandTool final : public PaintTool {
public:
    explicit PaintFreehandTool(ToolContext& context) : PaintTool(context, tool_id::kPaint) {}
    bool Paints() const override { return true; }
    bool ShowsBrushPreview() const override { return true; }
    bool RepeatsSymmetrically() const override { return true; }
    CursorShape Cursor(bool fxOn, bool symmetryOn) const override {
        return WithVariants(CursorShape::Paint, CursorShape::PaintFx, CursorShape::PaintSymmetry,
                            fxOn, symmetryOn);
    }

protected:
    void Begin(IntPoint point) override;
    void Drag(IntPoint point) override;
    void End(IntPoint point) override;
};

// Paints the text brush free-hand, as the paint tool paints the brush: the left button
// copies the text, the right paints the background wherever the text is. No FX, no
// softened edges.
class TextTool final : public PaintTool {
public:
    explicit TextTool(ToolContext& context) : PaintTool(context, tool_id::kText) {}
    bool Paints() const override { return true; }
    bool ShowsBrushPreview() const override { return true; }
    bool RepeatsSymmetrically() const override { return true; }
    CursorShape Cursor(bool, bool) const override { return CursorShape::Text; }

protected:
    void Begin(IntPoint point) override;
    void Drag(IntPoint point) override;
};

// Brush stamps scattered in a disc around the pointer, also while it holds still.
class SprayTool final : public PaintTool {
public:
    explicit SprayTool(ToolContext& context) : PaintTool(context, tool_id::kSpray) {}
    bool Paints() const override { return true; }
    bool RepeatsSymmetrically() const override { return true; }
    CursorShape Cursor(bool, bool symmetryOn) const override {
        return symmetryOn ? CursorShape::SpraySymmetry : CursorShape::Spray;
    }

protected:
    void HoldStill(IntPoint point) override;
    void Drag(IntPoint point) override;
};

}  // namespace quillor

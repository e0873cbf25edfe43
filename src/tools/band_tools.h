#pragma once

#include <optional>

#include "brush/paint_brush.h"
#include "tools/brush_grab.h"
#include "tools/paint_tool.h"

namespace quillor {

// A straight line with the brush, shown as a rubber band while the button is held.
class LineTool final : public PaintTool {
public:
    explicit LineTool(ToolContext& context) : PaintTool(context, tool_id::kLine) {}
    bool Paints() const override { return true; }
    bool UsesBand() const override { return true; }
    bool ShowsBrushPreview() const override { return true; }
    bool RepeatsSymmetrically() const override { return true; }
    CursorShape Cursor(bool fxOn, bool symmetryOn) const override {
        return WithVariants(CursorShape::Line, CursorShape::LineFx, CursorShape::LineSymmetry, fxOn,
                            symmetryOn);
    }

protected:
    void Begin(IntPoint point) override;
    void Drag(IntPoint point) override;
    void End(IntPoint point) override;
};

// A curve in two goes: drag its ends, then move the pointer to bend it and click. Between
// the two the band stays.
class CurveTool final : public PaintTool {
public:
    explicit CurveTool(ToolContext& context) : PaintTool(context, tool_id::kCurve) {}
    bool Paints() const override { return true; }
    bool UsesBand() const override { return true; }
    bool KeepsBand() const override { return stage_ != Stage::Ends; }
    bool ShowsBrushPreview() const override { return true; }
    CursorShape Cursor(bool fxOn, bool symmetryOn) const override {
        return fxOn && !symmetryOn ? CursorShape::CurveFx : CursorShape::Curve;
    }
    void Reset() override { stage_ = Stage::Ends; }

protected:
    void Begin(IntPoint point) override;
    void Drag(IntPoint point) override;
    void End(IntPoint point) override;
    void Hover(IntPoint point) override;

private:
    // Dragging the ends; the ends fixed, waiting for the bend; the bend shown.
    enum class Stage { Ends, BendWaiting, BendShown };
    void DrawBend(IntPoint control, bool erase);
    Stage stage_ = Stage::Ends;
    IntPoint control_;
};

// Squares and circles, outlined with the brush or filled with plain colour, from a
// rubber band dragged out from the press point.
class BoxShapeTool final : public PaintTool {
public:
    BoxShapeTool(ToolContext& context, int id) : PaintTool(context, id) {}
    bool Paints() const override { return true; }
    bool UsesBand() const override { return true; }
    bool ShowsBrushPreview() const override { return Outlined(); }
    CursorShape Cursor(bool fxOn, bool symmetryOn) const override;

protected:
    void Begin(IntPoint point) override;
    void Drag(IntPoint point) override;
    void End(IntPoint point) override;

private:
    bool Round() const;
    bool Outlined() const;
    IntRect BandTo(IntPoint pointer) const;
    void DrawBand(const IntRect& rect, bool erase);
    IntRect band_;
};

// A tool that shows the rectangle from its press to the pointer as a rubber band and
// acts on it at the release.
class DraggedRectangleTool : public PaintTool {
public:
    using PaintTool::PaintTool;
    bool UsesBand() const override { return true; }

protected:
    void Begin(IntPoint point) override;
    void Drag(IntPoint point) override;
    // The rectangle from the press to the pointer, both inside.
    virtual IntRect BandTo(IntPoint pointer) const;

private:
    IntRect band_;
};

// Reduces red eye in a dragged rectangle of a true-colour photograph, squared unless
// "Square Only" is set, as the square tools' bands are.
class RedEyeTool final : public DraggedRectangleTool {
public:
    explicit RedEyeTool(ToolContext& context) : DraggedRectangleTool(context, tool_id::kRedEye) {}
    bool Paints() const override { return true; }
    CursorShape Cursor(bool, bool) const override { return CursorShape::RedEye; }

protected:
    IntRect BandTo(IntPoint pointer) const override;
    void End(IntPoint point) override;
};

// Grabs the brush from a dragged rectangle of the picture (and of the frames after it
// when animated brushes are on), then hands over to the paint tool.
class GrabTool final : public DraggedRectangleTool {
public:
    explicit GrabTool(ToolContext& context) : DraggedRectangleTool(context, tool_id::kGrab) {}
    CursorShape Cursor(bool, bool) const override { return CursorShape::Grab; }

protected:
    void End(IntPoint point) override;
};

// Grabs the brush from inside an outline drawn free-hand, closed back to its start when
// the button is let go; what lies outside the outline becomes transparent.
class FreehandGrabTool final : public PaintTool {
public:
    explicit FreehandGrabTool(ToolContext& context) : PaintTool(context, tool_id::kGrabFreehand) {}
    bool UsesBand() const override { return true; }
    CursorShape Cursor(bool, bool) const override { return CursorShape::Grab; }

protected:
    void Begin(IntPoint point) override;
    void Drag(IntPoint point) override;
    void End(IntPoint point) override;

private:
    std::optional<FreehandOutline> outline_;
};

// Zooms in (left button) or out (right) at a click, or in to a dragged rectangle.
class MagnifyTool final : public DraggedRectangleTool {
public:
    explicit MagnifyTool(ToolContext& context) : DraggedRectangleTool(context, tool_id::kMagnify) {}
    CursorShape Cursor(bool, bool) const override { return CursorShape::Magnify; }

protected:
    void End(IntPoint point) override;
};

// Sizes a custom square or circle brush by dragging out from its centre, then hands over
// to the paint tool.
class CustomBrushSizingTool final : public PaintTool {
public:
    CustomBrushSizingTool(ToolContext& context, BrushKind kind)
        : PaintTool(context, tool_id::kCustomBrushSizing), kind_(kind) {}
    bool UsesBand() const override { return true; }
    bool Lasting() const override { return false; }
    CursorShape Cursor(bool, bool) const override { return CursorShape::Square; }

protected:
    void Begin(IntPoint point) override;
    void Drag(IntPoint point) override;
    void End(IntPoint point) override;

private:
    IntRect BandTo(IntPoint pointer) const;
    void DrawBand(const IntRect& rect, bool erase);
    BrushKind kind_;
    IntRect band_;
};

}  // namespace quillor

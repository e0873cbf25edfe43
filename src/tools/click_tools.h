#pragma once

#include "tools/paint_tool.h"

namespace quillor {

// Floods the area of the clicked colour: left button foreground, right background.
class FillTool final : public PaintTool {
public:
    explicit FillTool(ToolContext& context) : PaintTool(context, tool_id::kFill) {}
    bool Paints() const override { return true; }
    CursorShape Cursor(bool, bool) const override { return CursorShape::Fill; }

protected:
    void End(IntPoint point) override;
};

// Takes the clicked colour as the foreground (left) or background (right) colour, then
// hands back to the tool used before.
class PickTool final : public PaintTool {
public:
    explicit PickTool(ToolContext& context) : PaintTool(context, tool_id::kPick) {}
    CursorShape Cursor(bool, bool) const override { return CursorShape::Pick; }

protected:
    void End(IntPoint point) override;
};

// Sets the centre of cyclic symmetry where the user clicks, then hands back.
class SymmetryCentreTool final : public PaintTool {
public:
    explicit SymmetryCentreTool(ToolContext& context) : PaintTool(context, tool_id::kSymmetryCentre) {}
    bool Lasting() const override { return false; }
    CursorShape Cursor(bool, bool) const override { return CursorShape::SymmetryCentre; }

protected:
    void End(IntPoint point) override;
};

// Moves the visible part of the picture with the pointer.
// Moves the brush's handle by the drag from press to release, so the brush image follows
// the pointer; ends at the release.
class BrushHandleTool final : public PaintTool {
public:
    explicit BrushHandleTool(ToolContext& context) : PaintTool(context, tool_id::kBrushHandle) {}
    bool Lasting() const override { return false; }
    CursorShape Cursor(bool, bool) const override { return CursorShape::Handle; }

protected:
    void End(IntPoint point) override;
};

class HandleTool final : public PaintTool {
public:
    explicit HandleTool(ToolContext& context) : PaintTool(context, tool_id::kHandle) {}
    CursorShape Cursor(bool, bool) const override { return CursorShape::Handle; }

protected:
    void Begin(IntPoint point) override;
    void Drag(IntPoint point) override;

private:
    int originX_ = 0;
    int originY_ = 0;
    IntPoint pointer_;
};

}  // namespace quillor

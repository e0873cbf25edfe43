#pragma once

#include <cstdint>

#include "paint/paint_target.h"
#include "tools/cursor_shape.h"
#include "tools/tool_ids.h"

namespace quillor {

struct ToolContext;

// One painting tool. The context hands it the press, drag, release and hover of the
// pointer in picture coordinates; the tool keeps the points of its current stroke and
// says itself what it is: whether it paints, draws a rubber band, shows the brush, is
// repeated by symmetry, and which cursor it shows.
class PaintTool {
public:
    PaintTool(ToolContext& context, int id) : context_(context), id_(id) {}
    virtual ~PaintTool() = default;
    PaintTool(const PaintTool&) = delete;
    PaintTool& operator=(const PaintTool&) = delete;

    int Id() const { return id_; }

    // --- What the tool is ----------------------------------------------------------------
    // Changes the picture's pixels: a press records an undo step, and the tool is held
    // back while an animation plays or on the compiled image of a layered document.
    virtual bool Paints() const { return false; }
    // Draws a rubber band from its press; the band goes with the release unless the tool
    // still needs it (KeepsBand).
    virtual bool UsesBand() const { return false; }
    virtual bool KeepsBand() const { return false; }
    // Shows the brush at the pointer while no button is held.
    virtual bool ShowsBrushPreview() const { return false; }
    // Replayed at every symmetric copy while symmetry is on.
    virtual bool RepeatsSymmetrically() const { return false; }
    // One of the user's own tools, kept to come back to when a command's temporary tool
    // (custom brush sizing, the symmetry centre) takes over for a while.
    virtual bool Lasting() const { return true; }
    virtual CursorShape Cursor(bool fxOn, bool symmetryOn) const = 0;

    // --- Pointer input, from the context ------------------------------------------------
    void Press(unsigned buttons, IntPoint point);
    void Move(IntPoint point, bool buttonHeld);
    void Release(unsigned buttons, IntPoint point);
    // A timer tick with the pointer at `point`.
    void Tick(IntPoint point);
    // The view became active again: whatever was half done is dropped.
    virtual void Reset() {}

protected:
    enum class Action { Drag, End };

    virtual void Begin(IntPoint) {}
    // A timer tick found the pointer where it was at the previous tick.
    virtual void HoldStill(IntPoint) {}
    virtual void Drag(IntPoint) {}
    virtual void End(IntPoint) {}
    // The pointer moved with no button held: the brush preview.
    virtual void Hover(IntPoint point);
    // Replays `action` at every symmetric copy of `point` and of the stroke's points.
    void Symmetric(IntPoint point, Action action);

    ToolContext& Context() const { return context_; }
    // Passes one segment to the brush on the current picture.
    void Segment(PaintTarget& target, IntPoint from, IntPoint to, int colour, bool useBrush);

    // The stroke: where its button went down and with which buttons, the last point
    // handled, and the ends of a line or curve (each symmetric copy has its own).
    IntPoint press_;
    IntPoint last_;
    IntPoint start_;
    IntPoint end_;
    unsigned buttons_ = 0;

private:
    ToolContext& context_;
    int id_;
    IntPoint hover_{-1, -1};
};

}  // namespace quillor

#pragma once

#include <cstdint>

#include "paint/paint_target.h"
#include "tools/tool_ids.h"

namespace quillor {

struct ToolContext;

// One painting tool. The context hands it the press, drag, release and hover of the
// pointer in picture coordinates; a tool keeps the points of its current stroke.
class PaintTool {
public:
    enum class Action { Drag, End, Move };

    PaintTool(ToolContext& context, int id) : context_(context), id_(id) {}
    virtual ~PaintTool() = default;
    PaintTool(const PaintTool&) = delete;
    PaintTool& operator=(const PaintTool&) = delete;

    int Id() const { return id_; }

    virtual void Begin(IntPoint) {}
    // A timer tick found the pointer where it was at the previous tick.
    virtual void HoldStill(IntPoint) {}
    virtual void Drag(IntPoint) {}
    virtual void End(IntPoint) {}
    // The pointer moved with no button held: the brush preview, or the colour under it.
    virtual void Hover(IntPoint point);
    // Replays `action` at every symmetric copy of `point` and of the stroke's points.
    virtual void Symmetric(IntPoint point, Action action);

    // The stroke's points and state, kept between events.
    IntPoint hover{-1, -1};
    IntPoint press;
    IntPoint last;
    IntPoint start;
    IntPoint end;
    IntRect band;
    int curveStage = 0;
    std::uint32_t colourUnderPointer = 0;
    unsigned buttons = 0;

protected:
    ToolContext& Context() const { return context_; }
    // Passes one segment to the brush on the current picture.
    void Segment(PaintTarget& target, IntPoint from, IntPoint to, int colour, bool useBrush);

private:
    ToolContext& context_;
    int id_;
};

}  // namespace quillor

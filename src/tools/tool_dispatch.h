#pragma once

#include "core/coxdib.h"
#include "core/dib_render.h"
#include "core/geometry.h"
#include "core/pixel_colour.h"
#include "brush/paint_brush.h"
#include "paint/band_overlay.h"
#include "tools/cursor_shape.h"
#include "tools/status_extras.h"

namespace quillor {

// Button and key state of a pointer event, as the tools receive it.
namespace pointer_flags {
inline constexpr unsigned kLeft = 0x01;
inline constexpr unsigned kRight = 0x02;
inline constexpr unsigned kShift = 0x04;
inline constexpr unsigned kControl = 0x08;
inline constexpr unsigned kMiddle = 0x10;
}  // namespace pointer_flags

// Which button a move is made with.
enum class CapturedButton : int { None = 0, Left = 1, Right = 2 };

// Where the edit view hands its pointer input, already in picture coordinates and
// after the Shift constraint. The defaults do nothing, so a view works before any tool
// exists; the tool dispatcher overrides what it needs.
class ToolDispatch {
public:
    virtual ~ToolDispatch() = default;

    virtual void Press(unsigned /*flags*/, IntPoint /*picture*/) {}
    virtual void Release(unsigned /*flags*/, IntPoint /*picture*/) {}
    virtual void Move(CapturedButton /*button*/, IntPoint /*picture*/) {}
    // Every timer tick of the active view, with the pointer wherever it is.
    virtual void TimerTick(IntPoint /*picture*/) {}
    // The pointer left, the view lost the focus or a press began: no brush preview.
    virtual void HidePreview() {}
    // The brush preview to lay over the picture, while one is shown.
    virtual const PreviewPatch* Preview() { return nullptr; }
    // A view became the active one (it already set the context's view, document and frame).
    virtual void Activated() {}
    // The active view's document changed its painting colours.
    virtual void ColoursChanged() {}
    // The first timer tick of a newly made view, once it is active.
    virtual void FirstTick() {}

    // The cursor the view shows over the picture: the tool's, or the blocked one while
    // the tool may not paint.
    virtual CursorShape Cursor() const { return CursorShape::Paint; }
    // What the tool and brush add to the status text.
    virtual StatusExtras Extras() const { return {}; }
    // The rubber band to draw over the frame, while one is shown.
    virtual const BandOverlay* Band() const { return nullptr; }
};

}  // namespace quillor

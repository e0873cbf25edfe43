#pragma once

#include <optional>

#include "core/dib_render.h"
#include "core/geometry.h"

namespace quillor {

class CAnimDoc;

// What the tools need of the active edit view: its document (which keeps the history),
// its picture's placement, and the pointer. The view implements it; tests fake it.
class EditViewPort {
public:
    virtual ~EditViewPort() = default;

    virtual CAnimDoc& Document() = 0;
    // Redraws this view now (after a preview or a band changed).
    virtual void Redraw() = 0;
    virtual Placement GetPlacement() const = 0;
    // Clamps the placement as the view's rules say, keeps it and redraws.
    virtual void SetPlacement(const Placement& placement) = 0;
    virtual void ZoomInAt(IntPoint picture, const std::optional<IntRect>& dragged) = 0;
    virtual void ZoomOutAt(IntPoint picture) = 0;
    // The pointer in window pixels, wherever it is.
    virtual IntPoint PointerInWindow() const = 0;
    // Whether the pointer has been over the view since it became active; brushes paste
    // only then, so a click that activates a window paints nothing.
    virtual bool PointerHasEntered() const = 0;
    virtual bool PointerInside() const = 0;
    // The busy cursor while a slow operation runs.
    virtual void SetBusy(bool busy) = 0;
};

}  // namespace quillor

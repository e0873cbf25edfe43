#pragma once

#include "core/coxdib.h"
#include "core/geometry.h"
#include "core/dib_render.h"

namespace quillor {

// The size of a view's client area in window pixels.
struct ClientSize {
    int width = 0;
    int height = 0;
};


// One axis of the placement rules: a picture narrower than the client area is centred;
// otherwise the origin is kept within [client - shown extent, 0] so that no gap shows.
// Both bounds are truncated toward zero.
int ClampOriginAxis(int origin, int pictureExtent, double zoom, int clientExtent);
Placement ClampPlacement(Placement placement, DibSize picture, ClientSize client);

// How far the picture can be scrolled on one axis, in window pixels (0 when it fits).
int ScrollRange(int pictureExtent, double zoom, int clientExtent);

// The picture point under window point `window`, each coordinate truncated toward zero.
// Far outside the picture the result saturates at the int range rather than overflow.
IntPoint WindowToPicture(IntPoint window, const Placement& placement);

// Window pixels an arrow key moves the origin.
int ArrowStep(double zoom);

// Scroll push: how the origin moves and where the pointer goes back to when the pointer
// has left the client area while a button is held. Each side the pointer passed moves
// the origin by the distance it passed by, so the picture follows the pointer, and the
// pointer returns to that edge.
struct ScrollPush {
    int originDeltaX = 0;
    int originDeltaY = 0;
    IntPoint pointer;
    bool IsNeeded() const { return originDeltaX != 0 || originDeltaY != 0; }
};
ScrollPush ScrollPushFor(IntPoint pointer, ClientSize client);

// A printed frame: the largest rectangle of the picture's aspect within the page's
// printable area, centred on it.
IntRect FitOnPage(DibSize picture, const IntRect& page);

}  // namespace quillor

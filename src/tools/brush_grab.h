#pragma once

#include <cstdint>
#include <vector>

#include "brush/paint_brush.h"
#include "core/geometry.h"

namespace quillor {

class CAnimDoc;

// Cells of the free-hand grab: one per picture pixel plus a margin all round, picture
// pixel (x, y) being cell (x + 1, y + 1); cells marked kOutside lie outside the outline.
struct GrabMask {
    static constexpr std::uint8_t kUnknown = 0;
    static constexpr std::uint8_t kOutside = 1;
    static constexpr std::uint8_t kOutline = 2;
    int stride = 0;
    int rows = 0;
    std::vector<std::uint8_t> cells;

    bool Outside(int x, int y) const;
};

struct GrabSettings {
    bool animated = false;
    int requestedFrames = 0;  // "Anim Brush" / "Requested Size"; 0 when not stored
};

// The rectangle grab's area from a press and a release, both corners inside, cut to the
// picture; empty when nothing of it lies on the picture.
IntRect GrabRectangle(IntPoint press, IntPoint release, int imageWidth, int imageHeight);

// Makes the brush of the current frame's depth from `area` of the current frame and, when
// animated brushes are on, of the frames after it (wrapping round to the first): pixels
// off the picture or outside the mask take the background colour. Frames of the other
// depth end the brush with the "Mixed Animation" warning. False, with the brush as it
// was, when the area is empty or there is no frame.
bool GrabBrush(PaintBrush& brush, CAnimDoc& document, const IntRect& area, const GrabMask* mask,
               const GrabSettings& settings, bool rectangleGrab, Interaction& ui);

}  // namespace quillor

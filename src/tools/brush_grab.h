#pragma once

#include <cstdint>
#include <functional>
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

// The outline of a free-hand grab as it is drawn: its points marked in the mask, and a
// box that runs one pixel beyond every drawn point that reached its edge.
class FreehandOutline {
public:
    FreehandOutline(int imageWidth, int imageHeight, IntPoint start);
    // A drag step: the segment from the last point to `point`.
    void LineTo(IntPoint point);
    // Closes the outline back to its start and marks every cell of the box outside it;
    // the area the brush takes: the box less one pixel on every side.
    IntRect Close();
    const GrabMask& Mask() const { return mask_; }
    IntPoint Last() const { return last_; }

private:
    void Mark(IntPoint point);
    void FillOutside();
    GrabMask mask_;
    IntPoint start_;
    IntPoint last_;
    int minX_, maxX_, minY_, maxY_;
};

struct GrabSettings {
    bool animated = false;
    int requestedFrames = 0;  // "Anim Brush" / "Requested Size"; 0 when not stored
    // The palette indices the colour stencil protects (none when empty): a palette grab
    // leaves them out, as the background.
    std::function<bool(std::uint8_t)> isProtected = {};
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

#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "core/coxdib.h"
#include "core/geometry.h"

namespace quillor {

// A rectangle of destination pixels, right and bottom exclusive.

// Where a picture lies on a destination: picture pixel (0, 0) at (originX, originY), each
// picture pixel `zoom` destination pixels wide and high.
struct RenderPlacement {
    double zoom = 1.0;
    int originX = 0;
    int originY = 0;
};
// The placement of a picture in a view: where its pixel (0, 0) lies in window pixels and
// how many window pixels each picture pixel takes.
using Placement = RenderPlacement;

// The picture column (or row) shown at destination pixel `at`, truncated toward zero. The
// view maps the pointer with the same sum, so the pixel a tool paints is the one drawn
// under the pointer. The result is only meaningful where it fits an int; callers that
// may be far outside the picture check the double first (PictureCoordinateExact).
inline double PictureCoordinateExact(int at, int origin, double zoom) {
    return std::trunc((double(at) - double(origin)) / zoom);
}

// An opaque 0xAARRGGBB pixel from a colour-table word (0xRRGGBB).
constexpr std::uint32_t OpaquePixel(TableWord word) {
    return 0xFF000000u | (word & 0xFFFFFFu);
}

// Draws the part of an 8- or 24-bit `image` that falls on a destination of `width` x
// `height` pixels of 0xAARRGGBB (opaque), by nearest neighbour, `stride` pixels apart
// row to row. Only destination pixels are visited, never the whole picture, so the cost
// follows the destination's size whatever the zoom. Pixels the picture does not cover are
// left untouched; the covered rectangle is returned (empty when nothing is covered, for
// an empty image, a zoom that is not positive or a depth other than 8 and 24 bits).
IntRect RenderDib(const COXDIB& image, const RenderPlacement& placement,
                     std::uint32_t* destination, int width, int height, std::ptrdiff_t stride);
// The same for an image standing for the picture's pixels from `at` on (a patch laid over
// the picture): every destination pixel shows what it would show of the picture there.
IntRect RenderDibAt(const COXDIB& image, IntPoint at, const RenderPlacement& placement,
                    std::uint32_t* destination, int width, int height, std::ptrdiff_t stride);

// Fills every destination pixel outside `keep` with black back-diagonal hatching ("/"
// lines 8 pixels apart) on white. `phaseX` and `phaseY` give the destination's position
// in its window, so that hatching drawn in pieces lines up.
void FillHatchOutside(std::uint32_t* destination, int width, int height, std::ptrdiff_t stride,
                      const IntRect& keep, int phaseX = 0, int phaseY = 0);

inline constexpr std::uint32_t kHatchInk = 0xFF000000u;
inline constexpr std::uint32_t kHatchPaper = 0xFFFFFFFFu;

// True for the ink pixels of the hatching at window pixel (x, y).
constexpr bool IsHatchInk(int x, int y) {
    return ((x + y) & 7) == 7;
}

}  // namespace quillor

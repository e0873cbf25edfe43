// The brush preview is painted into the picture itself, so the picture under it is kept
// and put back before anything reads or changes the picture.

#include <algorithm>
#include <cstring>
#include <limits>

#include "brush/paint_brush.h"

namespace quillor {
namespace {

// The part of the kept rectangle that lies on the picture: columns [x0, x1) and rows
// [y0, y1) of the rectangle.
struct Overlap {
    Overlap(const quillor::SaveUnder& kept, DibSize picture)
        : x0(int(std::clamp<std::int64_t>(-std::int64_t(kept.left), 0, kept.width))),
          x1(int(std::clamp<std::int64_t>(std::int64_t(picture.width) - kept.left, 0, kept.width))),
          y0(int(std::clamp<std::int64_t>(-std::int64_t(kept.top), 0, kept.height))),
          y1(int(
              std::clamp<std::int64_t>(std::int64_t(picture.height) - kept.top, 0, kept.height))) {}
    bool Empty() const { return x0 >= x1 || y0 >= y1; }
    int x0, x1, y0, y1;
};

}  // namespace

// The text brush keeps a second save-under of its own; it arrives with the text tool.
void PaintBrush::SaveUnder(const COXDIB& image, int x, int y) {
    BrushRecord& brush = Current(image.GetBitCount() == 24);
    quillor::SaveUnder& kept = brush.saveUnder;
    kept.invalid = true;
    if (image.IsEmpty() || !brush.Exists() || brush.width <= 0 || brush.height <= 0) return;
    const std::size_t bpp = image.GetBitCount() == 24 ? 3 : 1;
    const std::int64_t left = std::int64_t(x) - brush.width + brush.handleX;
    const std::int64_t top = std::int64_t(y) - brush.height + brush.handleY;
    // A rectangle that cannot be told by int coordinates never touches the picture.
    if (left < std::numeric_limits<int>::min() || left > std::numeric_limits<int>::max() ||
        top < std::numeric_limits<int>::min() || top > std::numeric_limits<int>::max())
        return;
    kept.left = int(left);
    kept.top = int(top);
    kept.width = brush.width;
    kept.height = brush.height;
    kept.pixels.resize(std::size_t(kept.width) * std::size_t(kept.height) * bpp);
    const Overlap on(kept, image.GetSize());
    for (int row = on.y0; row < on.y1; ++row) {
        const std::uint8_t* line = image.Line(kept.top + row);
        std::memcpy(kept.pixels.data() +
                        (std::size_t(row) * std::size_t(kept.width) + std::size_t(on.x0)) * bpp,
                    line + (std::size_t(kept.left + on.x0)) * bpp,
                    std::size_t(on.x1 - on.x0) * bpp);
    }
    kept.invalid = false;
}

void PaintBrush::RestoreUnder(COXDIB& image) {
    quillor::SaveUnder& kept = Current(image.GetBitCount() == 24).saveUnder;
    if (kept.invalid || image.IsEmpty()) return;
    // Once back, the kept pixels are stale: restoring them again would wipe whatever is
    // painted there next.
    kept.invalid = true;
    const std::size_t bpp = image.GetBitCount() == 24 ? 3 : 1;
    if (kept.width <= 0 || kept.height <= 0 ||
        kept.pixels.size() != std::size_t(kept.width) * std::size_t(kept.height) * bpp)
        return;
    const Overlap on(kept, image.GetSize());
    for (int row = on.y0; row < on.y1; ++row) {
        std::uint8_t* line = image.Line(kept.top + row);
        std::memcpy(line + std::size_t(kept.left + on.x0) * bpp,
                    kept.pixels.data() +
                        (std::size_t(row) * std::size_t(kept.width) + std::size_t(on.x0)) * bpp,
                    std::size_t(on.x1 - on.x0) * bpp);
    }
}

const std::uint8_t* PaintBrush::SavedPixel(const COXDIB& image, IntPoint at) const {
    const quillor::SaveUnder& kept = Current(image.GetBitCount() == 24).saveUnder;
    if (kept.invalid) return nullptr;
    const std::int64_t column = std::int64_t(at.x) - kept.left;
    const std::int64_t row = std::int64_t(at.y) - kept.top;
    if (column < 0 || row < 0 || column >= kept.width || row >= kept.height) return nullptr;
    const std::size_t bpp = image.GetBitCount() == 24 ? 3 : 1;
    const std::size_t offset = (std::size_t(row) * std::size_t(kept.width) + std::size_t(column)) * bpp;
    return offset + bpp <= kept.pixels.size() ? kept.pixels.data() + offset : nullptr;
}

}  // namespace quillor

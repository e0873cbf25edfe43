// The brush preview never touches the picture: it is a small patch, the picture's pixels
// under the brush with the brush pasted over them, that the view lays over the picture.

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "brush/paint_brush.h"

namespace quillor {

bool PaintBrush::MakePreview(const PaintTarget& target, IntPoint at, PreviewPatch& patch) const {
    if (target.image == nullptr || target.image->IsEmpty()) return false;
    const COXDIB& picture = *target.image;
    const BrushRecord& brush = For(target);
    if (!brush.Exists() || brush.width <= 0 || brush.height <= 0) return false;
    const DibSize size = picture.GetSize();
    // Worked out in wide integers: a pointer far off the picture saturates at the int range.
    const std::int64_t left = std::int64_t(at.x) - brush.width + brush.handleX;
    const std::int64_t top = std::int64_t(at.y) - brush.height + brush.handleY;
    const std::int64_t x0 = std::max<std::int64_t>(left, 0);
    const std::int64_t y0 = std::max<std::int64_t>(top, 0);
    const std::int64_t x1 = std::min<std::int64_t>(left + brush.width, size.width);
    const std::int64_t y1 = std::min<std::int64_t>(top + brush.height, size.height);
    if (x0 >= x1 || y0 >= y1) return false;

    const int width = int(x1 - x0), height = int(y1 - y0);
    const std::uint16_t bits = picture.GetBitCount();
    COXDIB& image = patch.image;
    if (image.IsEmpty() || image.GetSize() != DibSize{width, height} || image.GetBitCount() != bits)
        if (!image.CreateBlank(bits, width, height)) return false;
    if (bits == 8)
        for (unsigned i = 0; i < 256; ++i)
            image.SetTableWord(std::uint8_t(i), picture.GetTableWord(std::uint8_t(i)));
    const std::size_t bytesPerPixel = bits == 24 ? 3 : 1;
    for (int row = 0; row < height; ++row)
        std::memcpy(image.Line(row), picture.Line(int(y0) + row) + std::size_t(x0) * bytesPerPixel,
                    std::size_t(width) * bytesPerPixel);

    // The brush goes onto the copy just as it would go onto the picture, so what is shown
    // is what a click would paint.
    PaintTarget onPatch = target;
    onPatch.image = &image;
    onPatch.band = nullptr;
    onPatch.guard = nullptr;
    PasteAt(onPatch, int(at.x - x0), int(at.y - y0));
    patch.at = {int(x0), int(y0)};
    return true;
}

}  // namespace quillor

#include "document/brush_image.h"

#include <cstring>

#include "core/image_limits.h"

namespace quillor {

bool ImageFromBrush(const BrushPicture& brush, bool trueColour, COXDIB& image) {
    if (!ImageSideOk(brush.width) || !ImageSideOk(brush.height)) return false;
    const std::size_t rowBytes = std::size_t(brush.width) * (trueColour ? 3 : 1);
    if (brush.pixels.size() < rowBytes * std::size_t(brush.height)) return false;
    COXDIB made;
    if (!made.CreateBlank(trueColour ? 24 : 8, brush.width, brush.height)) return false;
    for (int y = 0; y < brush.height; ++y) {
        const std::uint8_t* in = brush.pixels.data() + rowBytes * std::size_t(y);
        std::uint8_t* out = made.Line(y);
        if (!trueColour) {
            std::memcpy(out, in, rowBytes);
            continue;
        }
        for (int x = 0; x < brush.width; ++x, in += 3, out += 3) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        }
    }
    if (!trueColour)
        for (std::size_t i = 0; i < brush.palette.size() && i < 256; ++i)
            made.SetColour(std::uint8_t(i), brush.palette[i]);
    image = std::move(made);
    return true;
}

}  // namespace quillor

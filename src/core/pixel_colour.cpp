#include "core/pixel_colour.h"

namespace quillor {

PointerColour ColourAt(const COXDIB& image, IntPoint at) {
    const std::uint8_t* line = image.Line(at.y);
    if (image.GetBitCount() == 8) {
        const std::uint8_t index = line[at.x];
        return {true, index, TableWordToColour(image.GetTableWord(index))};
    }
    const std::uint8_t* pixel = line + std::size_t(at.x) * 3;
    return {false, 0, MakeColour(pixel[2], pixel[1], pixel[0])};
}

}  // namespace quillor

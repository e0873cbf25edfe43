#include "document/true_colour_expand.h"

#include <array>

namespace quillor {

bool ExpandToTrueColour(COXDIB& image) {
    if (image.IsEmpty()) return false;
    const unsigned bits = image.GetBitCount();
    if (bits == 24) return true;
    if (bits != 1 && bits != 4 && bits != 8) return false;
    const DibSize size = image.GetSize();
    COXDIB wide;
    if (!wide.CreateBlank(24, size.width, size.height)) return false;

    // Indices past the end of a short table read as black, as GetColour gives them.
    std::array<ColourRef, 256> colours{};
    for (unsigned i = 0; i < 256; ++i) colours[i] = image.GetColour(std::uint8_t(i));
    for (int y = 0; y < size.height; ++y) {
        const std::uint8_t* in = image.Line(y);
        std::uint8_t* out = wide.Line(y);
        for (int x = 0; x < size.width; ++x, out += 3) {
            std::uint8_t index = 0;
            if (bits == 8) index = in[x];
            else if (bits == 4) index = (x & 1) ? (in[x / 2] & 0x0F) : (in[x / 2] >> 4);
            else index = (in[x >> 3] >> (7 - (x & 7))) & 1;
            const ColourRef c = colours[index];
            out[0] = BlueOf(c);
            out[1] = GreenOf(c);
            out[2] = RedOf(c);
        }
    }
    image = std::move(wide);
    return true;
}

}  // namespace quillor

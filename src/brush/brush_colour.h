#pragma once

#include <cstddef>
#include <cstdint>

#include "core/colour.h"

namespace quillor {

// A colour in the brush's own form: a palette index, or red, green, blue.
struct BrushColour {
    std::uint8_t bytes[3] = {0, 0, 0};

    // The pixel of `size` bytes (1 or 3) at `p` is this colour.
    bool At(const std::uint8_t* p, std::size_t size) const {
        return p[0] == bytes[0] && (size == 1 || (p[1] == bytes[1] && p[2] == bytes[2]));
    }
    void Put(std::uint8_t* p, std::size_t size) const {
        for (std::size_t i = 0; i < size; ++i) p[i] = bytes[i];
    }
    // Every channel turned bitwise, so no pixel of this colour equals it.
    BrushColour Complement() const {
        return {{std::uint8_t(~bytes[0]), std::uint8_t(~bytes[1]), std::uint8_t(~bytes[2])}};
    }
};

// A palette index (its low byte), or a colour value's red, green, blue.
inline BrushColour ColourValueOf(ColourRef c, bool trueColour) {
    if (!trueColour) return {{std::uint8_t(c), 0, 0}};
    return {{RedOf(c), GreenOf(c), BlueOf(c)}};
}

}  // namespace quillor

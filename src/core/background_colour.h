#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/colour.h"

namespace quillor {

// The colour that parts of a picture no source pixel covers take: an index on palette
// images, a colour on true-colour ones.
struct BackgroundColour {
    std::uint8_t index = 0;
    ColourRef colour = 0;
};

// One background pixel as it is stored at a depth of 8 or 24 bits.
struct StoredPixel {
    std::uint8_t bytes[3] = {0, 0, 0};
    int size = 1;
};

inline StoredPixel StoredBackground(const BackgroundColour& background, unsigned bitCount) {
    if (bitCount == 24) return {{BlueOf(background.colour), GreenOf(background.colour), RedOf(background.colour)}, 3};
    return {{background.index, 0, 0}, 1};
}

// Writes `count` copies of `pixel` from `dst` on.
inline void FillPixels(std::uint8_t* dst, std::size_t count, const StoredPixel& pixel) {
    if (pixel.size == 1) {
        std::memset(dst, pixel.bytes[0], count);
        return;
    }
    for (std::size_t i = 0; i < count; ++i, dst += 3) {
        dst[0] = pixel.bytes[0];
        dst[1] = pixel.bytes[1];
        dst[2] = pixel.bytes[2];
    }
}

}  // namespace quillor

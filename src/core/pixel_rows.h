#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/colour.h"
#include "core/coxdib.h"

namespace quillor {

// Rows of pixels a fixed number of bytes apart, starting with the top line. The distance
// may be negative, so a bottom-up COXDIB and a top-down working buffer are walked alike.
struct ConstPixelRows {
    const std::uint8_t* top = nullptr;
    std::ptrdiff_t stride = 0;
    const std::uint8_t* Line(int y) const { return top + std::ptrdiff_t(y) * stride; }
};

struct PixelRows {
    std::uint8_t* top = nullptr;
    std::ptrdiff_t stride = 0;
    std::uint8_t* Line(int y) const { return top + std::ptrdiff_t(y) * stride; }
    operator ConstPixelRows() const { return {top, stride}; }
};

// The picture's lines from the top, whatever order they are stored in.
inline PixelRows TopDownRows(COXDIB& image) {
    return {image.Line(0), -std::ptrdiff_t(image.GetStride())};
}
inline ConstPixelRows TopDownRows(const COXDIB& image) {
    return {image.Line(0), -std::ptrdiff_t(image.GetStride())};
}

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

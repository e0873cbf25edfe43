#include "core/dib_flip.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace quillor {

namespace {

int EditedPixelBytes(const COXDIB& image) {
    switch (image.GetBitCount()) {
        case 8: return 1;
        case 24: return 3;
        default: return 0;
    }
}

void ReverseBytes(std::uint8_t* row, std::size_t width) { std::reverse(row, row + width); }

// Three-byte pixels swapped from both ends towards the middle. Eight pixels (24 bytes)
// a side go through registers at a time, which is what keeps a large picture quick.
void ReverseTriples(std::uint8_t* row, std::size_t width) {
    std::uint8_t* left = row;
    std::uint8_t* right = row + (width - 1) * 3;
    std::size_t pairs = width / 2;
    while (pairs >= 8) {
        std::uint8_t a[24], b[24], ra[24], rb[24];
        std::memcpy(a, left, 24);
        std::memcpy(b, right - 21, 24);
        for (int k = 0; k < 8; ++k) {
            ra[3 * k] = a[21 - 3 * k];
            ra[3 * k + 1] = a[22 - 3 * k];
            ra[3 * k + 2] = a[23 - 3 * k];
            rb[3 * k] = b[21 - 3 * k];
            rb[3 * k + 1] = b[22 - 3 * k];
            rb[3 * k + 2] = b[23 - 3 * k];
        }
        std::memcpy(left, rb, 24);
        std::memcpy(right - 21, ra, 24);
        left += 24;
        right -= 24;
        pairs -= 8;
    }
    for (; pairs > 0; --pairs, left += 3, right -= 3) {
        std::swap(left[0], right[0]);
        std::swap(left[1], right[1]);
        std::swap(left[2], right[2]);
    }
}

}  // namespace

bool FlipHorizontal(COXDIB& image) {
    const int pixelBytes = EditedPixelBytes(image);
    if (pixelBytes == 0) return false;
    const DibSize size = image.GetSize();
    const std::size_t stride = image.GetStride();
    std::uint8_t* bits = image.GetBits();
    for (int row = 0; row < size.height; ++row) {
        std::uint8_t* line = bits + std::size_t(row) * stride;
        if (pixelBytes == 1)
            ReverseBytes(line, std::size_t(size.width));
        else
            ReverseTriples(line, std::size_t(size.width));
    }
    return true;
}

bool FlipVertical(COXDIB& image) {
    const int pixelBytes = EditedPixelBytes(image);
    if (pixelBytes == 0) return false;
    const DibSize size = image.GetSize();
    const std::size_t stride = image.GetStride();
    const std::size_t lineBytes = std::size_t(size.width) * std::size_t(pixelBytes);
    std::uint8_t* bits = image.GetBits();
    std::vector<std::uint8_t> spare(lineBytes);
    for (int i = 0; i < size.height / 2; ++i) {
        std::uint8_t* a = bits + std::size_t(i) * stride;
        std::uint8_t* b = bits + std::size_t(size.height - 1 - i) * stride;
        std::memcpy(spare.data(), a, lineBytes);
        std::memcpy(a, b, lineBytes);
        std::memcpy(b, spare.data(), lineBytes);
    }
    return true;
}

}  // namespace quillor

#include "document/clipboard_image.h"

#include <cstring>

#include "core/image_limits.h"

namespace quillor {

namespace {

void ConvertSixteenBitRow(const std::uint8_t* in, std::uint8_t* out, int width, bool fiveFiveFive) {
    for (int x = 0; x < width; ++x, in += 2, out += 3) {
        const unsigned h = unsigned(in[0]) | (unsigned(in[1]) << 8);
        out[0] = std::uint8_t((h & 0x1F) * 8);
        if (fiveFiveFive) {
            out[1] = std::uint8_t(((h >> 5) & 0x1F) * 8);
            out[2] = std::uint8_t(((h >> 10) & 0x1F) * 8);
        } else {
            out[1] = std::uint8_t(((h >> 5) & 0x3F) * 4);
            out[2] = std::uint8_t((h >> 11) * 8);
        }
    }
}

void ConvertThirtyTwoBitRow(const std::uint8_t* in, std::uint8_t* out, int width) {
    for (int x = 0; x < width; ++x, in += 4, out += 3) std::memcpy(out, in, 3);
}

}  // namespace

std::size_t ClipboardRowBytes(int width, int bitsPerPixel) {
    if (width < 0) return 0;
    const std::size_t w = std::size_t(width);
    switch (bitsPerPixel) {
        case 16: return w * 2;
        case 24: return (w * 3 + 1) & ~std::size_t(1);
        case 32: return w * 4;
        default: return 0;
    }
}

bool ClipboardBitmapToDib(const ClipboardBitmap& bitmap, COXDIB& image) {
    const int bits = bitmap.bitsPerPixel;
    if (bits != 16 && bits != 24 && bits != 32) return false;
    if (!ImageSideOk(bitmap.width) || !ImageSideOk(bitmap.height)) return false;
    const std::size_t used = std::size_t(bitmap.width) * std::size_t(bits / 8);
    const std::size_t stride = bitmap.stride != 0 ? bitmap.stride : ClipboardRowBytes(bitmap.width, bits);
    if (stride < used) return false;
    // The last row need not carry its padding.
    if (bitmap.bits.size() < stride * std::size_t(bitmap.height - 1) + used) return false;

    COXDIB made;
    if (!made.CreateBlank(24, bitmap.width, bitmap.height)) return false;
    for (int y = 0; y < bitmap.height; ++y) {
        const std::uint8_t* in = bitmap.bits.data() + stride * std::size_t(y);
        std::uint8_t* out = made.Line(y);
        if (bits == 16) ConvertSixteenBitRow(in, out, bitmap.width, bitmap.fiveFiveFive);
        else if (bits == 24) std::memcpy(out, in, used);
        else ConvertThirtyTwoBitRow(in, out, bitmap.width);
    }
    image = std::move(made);
    return true;
}

}  // namespace quillor

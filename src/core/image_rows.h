#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "core/coxdib.h"

namespace quillor {

// Which byte of a three-byte pixel is red: working buffers hold red, green, blue; a
// 24-bit COXDIB holds blue, green, red.
enum class ChannelOrder : std::uint8_t { Rgb, Bgr };

// Lines of pixels, top line first. `step` is the byte distance from one line to the next
// one down, negative for a bottom-up COXDIB, so a picture's own rows and a top-down
// working buffer are walked alike, without a copy.
template <class Byte>
struct ImageRows {
    Byte* top = nullptr;
    std::ptrdiff_t step = 0;
    int width = 0;
    int height = 0;
    ChannelOrder order = ChannelOrder::Rgb;  // only for three-byte pixels

    Byte* Line(int y) const { return top + std::ptrdiff_t(y) * step; }
    // The bytes of one line's pixels, leaving out any padding.
    std::size_t LineBytes(int bytesPerPixel) const { return std::size_t(width) * std::size_t(bytesPerPixel); }

    // Rows that may be written may also be only read.
    operator ImageRows<const Byte>() const
        requires(!std::is_const_v<Byte>)
    {
        return {top, step, width, height, order};
    }
};
using ConstRows = ImageRows<const std::uint8_t>;
using Rows = ImageRows<std::uint8_t>;

// A working buffer: width x height pixels of `bytesPerPixel` bytes, no padding.
template <class Byte>
ImageRows<Byte> PackedRows(Byte* buffer, int width, int height, int bytesPerPixel) {
    return {buffer, std::ptrdiff_t(width) * bytesPerPixel, width, height, ChannelOrder::Rgb};
}

// The rows of an 8- or 24-bit image, read where they lie; none for an empty image.
template <class Dib>
auto DibRows(Dib& image) {
    using Byte = std::conditional_t<std::is_const_v<Dib>, const std::uint8_t, std::uint8_t>;
    const DibSize size = image.GetSize();
    ImageRows<Byte> rows;
    if (image.IsEmpty() || size.height < 1) return rows;
    rows.top = image.Line(0);
    rows.step = -std::ptrdiff_t(image.GetStride());
    rows.width = size.width;
    rows.height = size.height;
    rows.order = ChannelOrder::Bgr;
    return rows;
}

}  // namespace quillor

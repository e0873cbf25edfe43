#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "core/coxdib.h"

namespace quillor {

// Which byte of a three-byte pixel is red: working buffers hold red, green, blue; a
// 24-bit COXDIB holds blue, green, red.
enum class ChannelOrder : std::uint8_t { Rgb, Bgr };

// Lines of three-byte pixels or one-byte indices, top line first. `step` is the byte
// distance from one line to the next one down, negative for a bottom-up COXDIB, so the
// colour services can walk an image's own rows instead of a copy.
template <class Byte>
struct ImageRows {
    Byte* top = nullptr;
    std::ptrdiff_t step = 0;
    int width = 0;
    int height = 0;
    ChannelOrder order = ChannelOrder::Rgb;  // not used for indices

    Byte* Line(int y) const { return top + std::ptrdiff_t(y) * step; }
};
using ConstRows = ImageRows<const std::uint8_t>;
using Rows = ImageRows<std::uint8_t>;

// A working buffer: width x height pixels of `bytesPerPixel` bytes, no padding.
template <class Byte>
ImageRows<Byte> PackedRows(Byte* buffer, int width, int height, int bytesPerPixel) {
    return {buffer, std::ptrdiff_t(width) * bytesPerPixel, width, height, ChannelOrder::Rgb};
}

// The rows of an 8- or 24-bit image, read where they lie.
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

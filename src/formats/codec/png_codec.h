#pragma once

#include <cstdint>
#include <span>

#include "core/byte_writer.h"
#include "formats/codec/raster.h"

namespace quillor {

// PNG through libpng. Every colour type and bit depth reads as 24-bit true colour;
// transparency (alpha channel or tRNS) is composited over white.
bool ReadPngInfo(std::span<const std::uint8_t> file, ImageInfo& info);
bool ReadPng(std::span<const std::uint8_t> file, RasterTarget& target);

// Indexed pictures are written as palette PNGs with all their entries, true colour as
// 8-bit RGB. `interlace` selects Adam7.
bool WritePng(ByteWriter& out, const ConstRasterView& image, bool interlace);

}  // namespace quillor

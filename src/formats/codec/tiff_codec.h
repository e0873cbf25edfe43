#pragma once

#include <cstdint>
#include <span>

#include "core/byte_writer.h"
#include "formats/codec/raster.h"

namespace quillor {

// TIFF through libtiff, read from memory. Pages count from 0 here.
bool ReadTiffPageCount(std::span<const std::uint8_t> file, int& pages);
bool ReadTiffInfo(std::span<const std::uint8_t> file, int page, ImageInfo& info);
// Reads a page as 24-bit true colour (alpha composited over white); a bilevel page that
// libtiff cannot convert is read as a 1-bit picture instead.
bool ReadTiffPage(std::span<const std::uint8_t> file, int page, RasterTarget& target);

enum class TiffCompression : std::uint16_t { None = 1, Jpeg = 7, PackBits = 32773 };

// Indexed pictures are written with a colour map; JPEG compression applies to true colour
// only, so an indexed picture asked for it is written uncompressed.
bool WriteTiff(ByteWriter& out, const ConstRasterView& image, TiffCompression compression);

}  // namespace quillor

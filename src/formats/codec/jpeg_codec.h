#pragma once

#include <cstdint>
#include <span>

#include "core/byte_writer.h"
#include "formats/codec/raster.h"

namespace quillor {

// JPEG through libjpeg-turbo. Grey files read as 8-bit with a grey ramp, colour files
// (YCbCr, RGB, CMYK, YCCK) as 24-bit.
bool ReadJpegInfo(std::span<const std::uint8_t> file, ImageInfo& info);
bool ReadJpeg(std::span<const std::uint8_t> file, RasterTarget& target);

// Quality 1-100 (values outside are clamped). Indexed pictures are written through their
// palette as true colour.
bool WriteJpeg(ByteWriter& out, const ConstRasterView& image, int quality, bool progressive);

}  // namespace quillor

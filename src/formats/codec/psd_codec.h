#pragma once

#include <cstdint>
#include <span>

#include "core/byte_writer.h"
#include "formats/codec/raster.h"

namespace quillor {

// Photoshop PSD (version 1). Reads the merged image of bitmap, greyscale, duotone,
// indexed, RGB, CMYK and multichannel documents at 1, 8 or 16 bits per channel, raw or
// PackBits. Bitmap, grey and indexed read as Indexed8, RGB and CMYK as Bgr24; a merged
// transparency channel is composited over white. Writes 8-bit RGB or indexed with
// PackBits-compressed image data and no layers.
bool ReadPsdInfo(std::span<const std::uint8_t> file, ImageInfo& info);
bool ReadPsd(std::span<const std::uint8_t> file, RasterTarget& target);
bool WritePsd(ByteWriter& out, const ConstRasterView& image);

}  // namespace quillor

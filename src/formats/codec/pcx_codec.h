#pragma once

#include <cstdint>
#include <span>

#include "core/byte_writer.h"
#include "formats/codec/raster.h"

namespace quillor {

// ZSoft PCX. Reads 1, 2 and 4-bit pictures (one plane, or 1-bit planes up to four) and
// 8-bit single-plane pictures as Indexed8, 8-bit three- and four-plane pictures as Bgr24
// (a fourth plane is alpha, composited over white). Writes version 5, RLE, 8-bit with the
// trailing 256-colour palette or 24-bit as three planes.
bool ReadPcxInfo(std::span<const std::uint8_t> file, ImageInfo& info);
bool ReadPcx(std::span<const std::uint8_t> file, RasterTarget& target);
bool WritePcx(ByteWriter& out, const ConstRasterView& image);

}  // namespace quillor

#pragma once

#include <cstdint>
#include <span>

#include "core/byte_writer.h"
#include "formats/codec/raster.h"

namespace quillor {

// Truevision Targa. Reads image types 1, 2, 3 and their RLE forms 9, 10, 11 at 8, 15, 16,
// 24 and 32 bits, in any of the four origins. Colour-mapped and grey 8-bit pictures read as
// Indexed8, everything else as Bgr24 with alpha composited over white. Writes uncompressed
// type 1 (256-entry 24-bit map) or type 2 (24-bit), bottom-up, with a version 2 footer.
bool ReadTgaInfo(std::span<const std::uint8_t> file, ImageInfo& info);
bool ReadTga(std::span<const std::uint8_t> file, RasterTarget& target);
bool WriteTga(ByteWriter& out, const ConstRasterView& image);

}  // namespace quillor

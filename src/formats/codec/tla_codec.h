#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/byte_writer.h"
#include "formats/codec/raster.h"

namespace quillor {

// TLA: this program's lossless format, an 8-bit picture with its palette or a 24-bit one,
// deflated, optionally sealed with a password (see docs/formats.md). A file written
// without a password opens with an empty one.

// True when opening the file needs a password.
bool IsTlaProtected(std::span<const std::uint8_t> file);
// A protected file opened with its password, as the same picture without one; false for
// a wrong password or a damaged file.
bool UnsealTla(std::span<const std::uint8_t> file, std::string_view password,
               std::vector<std::uint8_t>& plain);
// Fails for a protected file when the password is empty or wrong.
bool ReadTlaInfo(std::span<const std::uint8_t> file, std::string_view password, ImageInfo& info);
// 8-bit files read as Indexed8 with their palette, 24-bit ones as Bgr24.
bool ReadTla(std::span<const std::uint8_t> file, std::string_view password, RasterTarget& target);
// Indexed8 (with its palette), Bilevel (as 8-bit black and white) and Bgr24 pictures.
bool WriteTla(ByteWriter& out, const ConstRasterView& image, std::string_view password);

}  // namespace quillor

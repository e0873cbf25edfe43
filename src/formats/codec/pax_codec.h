#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/byte_writer.h"
#include "formats/codec/raster.h"

namespace quillor {

// PAX: this program's JPEG-based format, optionally sealed with a password (see
// docs/formats.md). It always reads back as 24-bit true colour; a palette picture is
// written through its palette. A file written without a password opens with an empty one.

// Who wrote a PAX file; stored inside the (possibly encrypted) body.
struct PaxIdentity {
    std::string application = "Quillor";
    std::string author;
    std::string identifier;
};

// The JPEG quality every PAX file is written with: near-lossless, still a fraction of
// the raw size.
inline constexpr int kPaxJpegQuality = 95;

// True when opening the file needs a password.
bool IsPaxProtected(std::span<const std::uint8_t> file);
// A protected file opened with its password, as the same picture without one; false for
// a wrong password or a damaged file.
bool UnsealPax(std::span<const std::uint8_t> file, std::string_view password,
               std::vector<std::uint8_t>& plain);
// Fails for a protected file when the password is empty or wrong.
bool ReadPaxInfo(std::span<const std::uint8_t> file, std::string_view password, ImageInfo& info);
bool ReadPax(std::span<const std::uint8_t> file, std::string_view password, RasterTarget& target);
bool ReadPaxCreator(std::span<const std::uint8_t> file, std::string_view password,
                    PaxIdentity& creator);
// Encryption type 1 (fastest to open) to 6 (hardest to guess); other values are clamped.
// It only matters when there is a password.
bool WritePax(ByteWriter& out, const ConstRasterView& image, std::string_view password,
              int encryptionType, const PaxIdentity& identity);

}  // namespace quillor

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/interaction.h"

namespace quillor {

// Giving 256-colour BMP files the palette of another, byte by byte, without opening them
// as pictures. The files must have the plain layout: a 14-byte file header, a 40-byte
// information header, 256 table entries (1024 bytes) and the pixel rows from byte 1078.
// Anything else (longer headers, a shorter table, the rows elsewhere) is refused rather
// than rewritten on a guess.
namespace palette_mapping {

inline constexpr std::string_view kStatusTitle = "Status";
inline constexpr std::string_view kDone = "Done.";
inline constexpr std::string_view kNotValidBmp = "File '%s' is not a valid BMP.";
inline constexpr std::string_view kFileError = "Error in file '%s'.";
inline constexpr std::string_view kSourceNot256 = "File '%s' is not a 256 colour BMP.";
inline constexpr std::string_view kSourceCompressed = "File '%s' is not an uncompressed 256 colour BMP.";
inline constexpr std::string_view kNotBmpName = "Ignoring '%s' as it is not an LBM file.";
inline constexpr std::string_view kDestinationNot8 = "File '%s' is not a 2/16/256 colour BMP.";
inline constexpr std::string_view kDestinationCompressed = "File '%s' is not an uncompressed BMP.";
inline constexpr std::string_view kReadOnly = "Ignoring file '%s' as it is READ only.";
// What the progress bar of a long run is titled.
inline constexpr std::string_view kProgressTitle = "Mapping Palettes";

inline constexpr std::size_t kFileHeaderBytes = 14;
inline constexpr std::size_t kInfoHeaderBytes = 40;
inline constexpr std::size_t kPaletteBytes = 1024;
inline constexpr std::size_t kPixelOffset = kFileHeaderBytes + kInfoHeaderBytes + kPaletteBytes;

}  // namespace palette_mapping

// 256 entries of blue, green, red and a reserved byte, as the file holds them.
using BmpPalette = std::array<std::uint8_t, palette_mapping::kPaletteBytes>;
using IndexMap = std::array<std::uint8_t, 256>;

enum class PaletteOperation {
    ReplacePalette = 0,   // the pixel bytes stay; they now index the new colours
    ReplaceAndRemap = 1,  // each pixel moves to the new palette's nearest colour
};

// For each entry of `from`, the entry of `to` nearest to it: the smallest sum of the
// absolute differences of blue, green and red, the lowest index among equals.
IndexMap NearestIndexMap(const BmpPalette& from, const BmpPalette& to);

// True when `name` ends in ".bmp" or ".BMP" (the two spellings the mapper takes).
bool HasBmpName(std::string_view name);

// Reads the palette of the source file at `path`; on failure says why (naming the file
// `shownName`) and gives nothing.
std::optional<BmpPalette> ReadSourcePalette(Interaction& ui, const std::string& path,
                                            const std::string& shownName);

// Rewrites the destination file at `path` with `palette` (and, for ReplaceAndRemap, its
// pixels remapped). The file is replaced only once the new one has been written whole
// and flushed; on any refusal or failure it is left as it was and the user is told why.
// True when the file was rewritten.
bool MapPaletteOntoFile(Interaction& ui, const BmpPalette& palette, PaletteOperation operation,
                        const std::string& path, const std::string& shownName);

struct PaletteMapRun {
    bool sourceRead = false;
    // One per destination, in the order given: true when that file was rewritten.
    std::vector<bool> mapped;
    bool AllMapped() const;
};

// A whole run under the wait cursor: the source's palette, then every destination in
// order with a progress report after each, then "Done.". A source that cannot be used
// ends the run before any destination is touched. Names are shown as given; each file is
// the name joined to its folder (an empty folder leaves the name as it is).
PaletteMapRun MapPalettes(Interaction& ui, const std::string& sourceFolder, const std::string& sourceName,
                          const std::string& destinationFolder, const std::vector<std::string>& destinationNames,
                          PaletteOperation operation);

}  // namespace quillor

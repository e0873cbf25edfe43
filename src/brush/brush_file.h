#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "brush/paint_brush.h"

namespace quillor {

// The ".bsh" file: "QLBSH", then little-endian 32-bit words (true-colour flag, frame
// count, width, height, transparent colour), a palette brush's 256 palette entries of
// red, green, blue, 0, and every frame's pixels, rows top-down, without padding.
inline constexpr std::size_t kBrushHeaderBytes = 25;
inline constexpr std::size_t kBrushPaletteBytes = 1024;

struct BrushFileHeader {
    bool trueColour = false;
    std::uint32_t frameCount = 0;
    int width = 0;
    int height = 0;
    std::uint32_t transparent = 0;

    // The bytes a whole file with this header holds.
    std::uint64_t FileBytes() const;
    std::size_t FrameBytes() const { return std::size_t(width) * std::size_t(height) * (trueColour ? 3 : 1); }
};

struct BrushFileContents {
    BrushFileHeader header;
    std::array<ColourRef, 256> palette{};
    std::vector<std::vector<std::uint8_t>> frames;
};

// The file of one brush record; `trueColour` says which kind it is.
std::vector<std::uint8_t> EncodeBrushFile(const BrushRecord& brush, bool trueColour);

// The header at the start of a file, when it is a brush file's: nothing for a wrong
// magic, no frames or more than the brush can hold, or a side outside 1 to 65535.
std::optional<BrushFileHeader> DecodeBrushHeader(std::span<const std::uint8_t> bytes);

// A whole brush file; nothing when the header is refused or the file holds less than
// the header promises (bytes after the last frame are ignored).
std::optional<BrushFileContents> DecodeBrushFile(std::span<const std::uint8_t> bytes);

// Reads a brush file; nothing (and `cannotOpen` true when the file could not be opened
// or read at all) when it is not a whole brush file. A file that promises more than it
// holds is never read in full.
std::optional<BrushFileContents> ReadBrushFile(const std::string& path, bool& cannotOpen);

// Puts a loaded file into the brush of its own depth, as "Load Brush" does: its own
// frames, the handle at the centre, the transparent colour remembered; the brush kind
// becomes "grabbed" when that depth is the picture's (`imageTrueColour`).
void TakeBrushFile(PaintBrush& brush, BrushFileContents&& file, bool imageTrueColour);

}  // namespace quillor

// 256-colour BMP files built byte by byte, so that a test can give them any header it
// likes: other depths, compression, longer headers, rows elsewhere, cut-off pixels.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace quillor::testing {

struct PaletteBmp {
    std::int32_t width = 5;
    std::int32_t height = 3;  // negative: rows top-down
    std::uint16_t bitCount = 8;
    std::uint32_t compression = 0;
    std::uint32_t headerSize = 40;
    std::uint32_t coloursUsed = 0;
    // Where the rows start; 0 puts them right after the header and the table.
    std::uint32_t bitsOffset = 0;
    // Blue, green, red, reserved: 256 entries.
    std::array<std::uint8_t, 1024> palette{};
    // The row bytes, padding included (stride x |height|); made from the index when empty.
    std::vector<std::uint8_t> rows;
    // Bytes after the rows.
    std::vector<std::uint8_t> trailer;

    void SetColour(int index, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
        palette[std::size_t(index) * 4] = blue;
        palette[std::size_t(index) * 4 + 1] = green;
        palette[std::size_t(index) * 4 + 2] = red;
    }
    std::size_t Stride() const { return (std::size_t(width) * bitCount / 8 + 3) & ~std::size_t(3); }
    std::size_t RowBytes() const { return Stride() * std::size_t(height < 0 ? -height : height); }

    std::vector<std::uint8_t> Bytes() const {
        std::vector<std::uint8_t> out;
        auto u16 = [&out](std::uint32_t v) {
            out.push_back(std::uint8_t(v));
            out.push_back(std::uint8_t(v >> 8));
        };
        auto u32 = [&](std::uint32_t v) {
            u16(v & 0xFFFF);
            u16(v >> 16);
        };
        const std::size_t header = headerSize;
        const std::uint32_t offset = bitsOffset != 0 ? bitsOffset : std::uint32_t(14 + header + 1024);
        std::vector<std::uint8_t> pixels = rows;
        if (pixels.empty())
            for (std::size_t i = 0; i < RowBytes(); ++i) pixels.push_back(std::uint8_t(i * 7 + 3));
        out.push_back('B');
        out.push_back('M');
        u32(std::uint32_t(offset + pixels.size() + trailer.size()));
        u32(0);
        u32(offset);
        u32(headerSize);
        u32(std::uint32_t(width));
        u32(std::uint32_t(height));
        u16(1);
        u16(bitCount);
        u32(compression);
        u32(std::uint32_t(pixels.size()));
        u32(2835);
        u32(2835);
        u32(coloursUsed);
        u32(0);
        while (out.size() < 14 + header) out.push_back(0);
        out.insert(out.end(), palette.begin(), palette.end());
        while (out.size() < offset) out.push_back(0);
        out.insert(out.end(), pixels.begin(), pixels.end());
        out.insert(out.end(), trailer.begin(), trailer.end());
        return out;
    }
};

// A palette of 256 different colours, unlike the default one.
inline std::array<std::uint8_t, 1024> DistinctPalette(int seed) {
    std::array<std::uint8_t, 1024> p{};
    for (int i = 0; i < 256; ++i) {
        p[std::size_t(i) * 4] = std::uint8_t(i);
        p[std::size_t(i) * 4 + 1] = std::uint8_t(255 - i);
        p[std::size_t(i) * 4 + 2] = std::uint8_t((i * 37 + seed) & 0xFF);
    }
    return p;
}

}  // namespace quillor::testing

#pragma once

#include <cstdint>

namespace quillor {

// A colour crossing an interface: red in bits 0-7, green 8-15, blue 16-23.
using ColourRef = std::uint32_t;

constexpr ColourRef MakeColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return ColourRef(r) | (ColourRef(g) << 8) | (ColourRef(b) << 16);
}
constexpr std::uint8_t RedOf(ColourRef c) { return std::uint8_t(c); }
constexpr std::uint8_t GreenOf(ColourRef c) { return std::uint8_t(c >> 8); }
constexpr std::uint8_t BlueOf(ColourRef c) { return std::uint8_t(c >> 16); }

// A colour-table entry read as a little-endian word (bytes blue, green, red, 0):
// red * 65536 + green * 256 + blue.
using TableWord = std::uint32_t;

constexpr TableWord MakeTableWord(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return (TableWord(r) << 16) | (TableWord(g) << 8) | TableWord(b);
}
constexpr ColourRef TableWordToColour(TableWord w) {
    return MakeColour(std::uint8_t(w >> 16), std::uint8_t(w >> 8), std::uint8_t(w));
}
constexpr TableWord ColourToTableWord(ColourRef c) {
    return MakeTableWord(RedOf(c), GreenOf(c), BlueOf(c));
}

// Composites one channel with straight alpha over white, rounding to nearest.
constexpr std::uint8_t OverWhite(unsigned value, unsigned alpha) {
    return std::uint8_t((value * alpha + 255u * (255u - alpha) + 127u) / 255u);
}

}  // namespace quillor

#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace quillor {

// One movie frame as the document takes it: 8 bits per pixel with a table of 256
// colours, or 24 bits in blue, green, red order; rows top first, `stride` bytes apart.
struct VideoPicture {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 24;
    std::size_t stride = 0;
    std::vector<std::uint8_t> pixels;
    std::array<std::uint32_t, 256> palette{};  // 0x00RRGGBB

    const std::uint8_t* Row(int y) const { return pixels.data() + std::size_t(y) * stride; }
    std::uint8_t* Row(int y) { return pixels.data() + std::size_t(y) * stride; }
};

}  // namespace quillor

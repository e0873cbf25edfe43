#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "core/coxdib.h"

namespace quillor::testing {

// A true-colour working buffer: red, green, blue, rows top-down, no padding.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bytes;

    RgbPicture(int w, int h, std::uint8_t fill = 0) : width(w), height(h), bytes(std::size_t(w) * h * 3, fill) {}
    std::uint8_t* data() { return bytes.data(); }
    std::uint8_t& at(int x, int y, int channel) { return bytes[(std::size_t(y) * width + x) * 3 + channel]; }
    std::uint8_t at(int x, int y, int channel) const { return bytes[(std::size_t(y) * width + x) * 3 + channel]; }
    void SetGrey(int x, int y, std::uint8_t v) { at(x, y, 0) = at(x, y, 1) = at(x, y, 2) = v; }
};

inline RgbPicture RandomPicture(int width, int height, unsigned seed) {
    RgbPicture p(width, height);
    std::mt19937 random(seed);
    for (auto& b : p.bytes) b = std::uint8_t(random());
    return p;
}

// The same pixels as a COXDIB: bottom-up rows, bytes blue, green, red.
inline COXDIB ToImage(const RgbPicture& p) {
    COXDIB image;
    image.CreateBlank(24, p.width, p.height);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            for (int c = 0; c < 3; ++c) image.Line(y)[x * 3 + 2 - c] = p.at(x, y, c);
    return image;
}

inline RgbPicture FromImage(const COXDIB& image) {
    const DibSize size = image.GetSize();
    RgbPicture p(size.width, size.height);
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x)
            for (int c = 0; c < 3; ++c) p.at(x, y, c) = image.Line(y)[x * 3 + 2 - c];
    return p;
}

}  // namespace quillor::testing

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/colour.h"

namespace quillor {

// How the pixels of a raster are laid out in one line.
enum class PixelLayout : std::uint8_t {
    Indexed8,  // one palette index per byte
    Bgr24,     // three bytes per pixel: blue, green, red
    Bilevel,   // one byte per pixel, 0 or 1, palette entry 0 black and 1 white
};

constexpr unsigned BytesPerPixel(PixelLayout layout) { return layout == PixelLayout::Bgr24 ? 3 : 1; }

// Up to 256 colours as table words (0xRRGGBB).
struct Palette {
    std::array<TableWord, 256> entries{};
    unsigned count = 0;

    static Palette GreyRamp() {
        Palette p;
        for (unsigned i = 0; i < 256; ++i) p.entries[i] = MakeTableWord(std::uint8_t(i), std::uint8_t(i), std::uint8_t(i));
        p.count = 256;
        return p;
    }
    static Palette BlackWhite() {
        Palette p;
        p.entries[0] = 0x000000;
        p.entries[1] = 0xFFFFFF;
        p.count = 2;
        return p;
    }
};

// What an information call reports about a file before its pixels are read.
struct ImageInfo {
    int width = 0;
    int height = 0;
    int depth = 0;  // 1 (bilevel), 8 (palette or grey) or 24
    int pages = 1;
};

// Lines of pixels seen from the top of the picture; `step` may be negative (a bottom-up
// image seen top-down), so codecs can read and write an image in place.
struct RasterView {
    int width = 0;
    int height = 0;
    PixelLayout layout = PixelLayout::Bgr24;
    std::uint8_t* top = nullptr;
    std::ptrdiff_t step = 0;
    std::uint8_t* Line(int y) const { return top + std::ptrdiff_t(y) * step; }
};

struct ConstRasterView {
    int width = 0;
    int height = 0;
    PixelLayout layout = PixelLayout::Bgr24;
    const std::uint8_t* top = nullptr;
    std::ptrdiff_t step = 0;
    const Palette* palette = nullptr;  // for Indexed8
    const std::uint8_t* Line(int y) const { return top + std::ptrdiff_t(y) * step; }
};

// Where a decoder puts a picture. The decoder asks for the image once it knows the
// size, then fills the lines of the view it is given. Lines start out blank: white
// for Bgr24, index 0 otherwise, so whatever a damaged file leaves out stays blank.
class RasterTarget {
public:
    virtual ~RasterTarget() = default;
    virtual bool Allocate(int width, int height, PixelLayout layout, const Palette& palette,
                          RasterView& view) = 0;
};

}  // namespace quillor

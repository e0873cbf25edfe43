#pragma once

#include <cstdint>
#include <vector>

#include "formats/codec/raster.h"

namespace quillor {

// A raster target that keeps the picture in a plain top-down buffer. Used where a
// picture is decoded before it is known where it goes (inside containers, in tests and
// in fuzzing).
class MemoryRaster final : public RasterTarget {
public:
    bool Allocate(int width, int height, PixelLayout layout, const Palette& palette,
                  RasterView& view) override;

    int width = 0;
    int height = 0;
    PixelLayout layout = PixelLayout::Bgr24;
    Palette palette;
    std::vector<std::uint8_t> pixels;
    bool allocated = false;

    std::size_t LineBytes() const { return std::size_t(width) * BytesPerPixel(layout); }
    const std::uint8_t* Line(int y) const { return pixels.data() + std::size_t(y) * LineBytes(); }
    ConstRasterView View() const;
};

}  // namespace quillor

#include "support/test_rasters.h"

#include <gtest/gtest.h>

namespace quillor::testing {

MemoryRaster MakeRasterPicture(PixelLayout layout, int width, int height, bool flat) {
    MemoryRaster m;
    Palette p;
    p.count = layout == PixelLayout::Indexed8 ? 200 : 0;
    for (unsigned i = 0; i < p.count; ++i) p.entries[i] = (i * 0x9E3779u) & 0xFFFFFF;
    RasterView v;
    m.Allocate(width, height, layout, p, v);
    for (int y = 0; y < height; ++y)
        for (std::size_t i = 0; i < m.LineBytes(); ++i)
            v.Line(y)[i] = flat ? std::uint8_t(i / 150 * 30 + std::size_t(y))
                                : std::uint8_t((i * 37 + std::size_t(y) * 91 + i * i) % 200);
    return m;
}

void ExpectSameRaster(const MemoryRaster& decoded, const MemoryRaster& original) {
    ASSERT_EQ(decoded.layout, original.layout);
    EXPECT_EQ(decoded.width, original.width);
    EXPECT_EQ(decoded.height, original.height);
    EXPECT_EQ(decoded.pixels, original.pixels);
    if (original.layout != PixelLayout::Indexed8) return;
    for (unsigned i = 0; i < 256; ++i)
        ASSERT_EQ(decoded.palette.entries[i], i < original.palette.count ? original.palette.entries[i] : 0u)
            << "palette entry " << i;
}

}  // namespace quillor::testing

#include "formats/codec/memory_raster.h"

#include <new>

#include "core/image_limits.h"

namespace quillor {

bool MemoryRaster::Allocate(int w, int h, PixelLayout l, const Palette& p, RasterView& view) {
    if (!ImageSideOk(w) || !ImageSideOk(h)) return false;
    const std::uint64_t bytes = std::uint64_t(w) * std::uint64_t(h) * BytesPerPixel(l);
    if (bytes > kMaxRowBytes) return false;
    try {
        pixels.assign(std::size_t(bytes), l == PixelLayout::Bgr24 ? 0xFF : 0x00);
    } catch (const std::bad_alloc&) {
        return false;
    }
    width = w;
    height = h;
    layout = l;
    palette = p;
    allocated = true;
    view = RasterView{w, h, l, pixels.data(), std::ptrdiff_t(LineBytes())};
    return true;
}

ConstRasterView MemoryRaster::View() const {
    return ConstRasterView{width, height, layout, pixels.data(), std::ptrdiff_t(LineBytes()),
                           &palette};
}

}  // namespace quillor

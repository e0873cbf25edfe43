#include "formats/dib_raster.h"

namespace quillor {

bool DibRasterTarget::Allocate(int width, int height, PixelLayout layout, const Palette& palette,
                               RasterView& view) {
    layout_ = layout;
    if (!image_.CreateBlank(layout == PixelLayout::Bgr24 ? 24 : 8, width, height)) return false;
    if (layout != PixelLayout::Bgr24) {
        for (unsigned i = 0; i < palette.count && i < 256; ++i)
            image_.SetTableWord(std::uint8_t(i), palette.entries[i]);
    }
    const std::ptrdiff_t stride = image_.GetStride();
    view = RasterView{width, height, layout, image_.GetBits() + std::ptrdiff_t(height - 1) * stride,
                      -stride};
    return true;
}

bool DibRasterTarget::Finish() {
    if (layout_ != PixelLayout::Bilevel || image_.IsEmpty()) return !image_.IsEmpty();
    COXDIB packed;
    if (!image_.PackTo1Bit(packed)) return false;
    image_ = std::move(packed);
    return true;
}

ConstRasterView ViewOf(const COXDIB& image, Palette& palette) {
    const DibSize size = image.GetSize();
    const PixelLayout layout = image.GetBitCount() == 24 ? PixelLayout::Bgr24 : PixelLayout::Indexed8;
    palette.count = image.GetColourCount();
    for (unsigned i = 0; i < palette.count; ++i) palette.entries[i] = image.GetTableWord(std::uint8_t(i));
    const std::ptrdiff_t stride = image.GetStride();
    return ConstRasterView{size.width, size.height, layout,
                           image.GetBits() + std::ptrdiff_t(size.height - 1) * stride, -stride,
                           &palette};
}

}  // namespace quillor

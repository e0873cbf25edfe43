#pragma once

#include "core/coxdib.h"
#include "formats/codec/raster.h"

namespace quillor {

// Lets a decoder write straight into a COXDIB's rows: 24-bit lines are already in the
// image's blue-green-red order and the view walks the bottom-up rows from the top.
class DibRasterTarget final : public RasterTarget {
public:
    explicit DibRasterTarget(COXDIB& image) : image_(image) {}
    bool Allocate(int width, int height, PixelLayout layout, const Palette& palette,
                  RasterView& view) override;
    // Packs a bilevel picture to 1 bit once the decoder is done with it.
    bool Finish();

private:
    COXDIB& image_;
    PixelLayout layout_ = PixelLayout::Bgr24;
};

// A read-only view of an 8- or 24-bit image for an encoder; `palette` receives the
// image's colour table.
ConstRasterView ViewOf(const COXDIB& image, Palette& palette);

}  // namespace quillor

#include "view/ui/dib_qimage.h"

#include "core/dib_render.h"

namespace quillor {

QImage DibToQImage(const COXDIB& image) {
    const DibSize size = image.GetSize();
    if (image.IsEmpty() || size.width <= 0 || size.height <= 0) return {};
    QImage result(size.width, size.height, QImage::Format_RGB32);
    if (result.isNull()) return {};
    auto* pixels = reinterpret_cast<std::uint32_t*>(result.bits());
    const IntRect covered =
        RenderDib(image, {1.0, 0, 0}, pixels, size.width, size.height, result.bytesPerLine() / 4);
    if (covered != IntRect{0, 0, size.width, size.height}) return {};
    return result;
}

}  // namespace quillor

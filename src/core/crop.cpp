#include "core/crop.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "core/image_rows.h"

namespace quillor {

IntPoint CropOffsetForAnchor(CropAnchor anchor, DibSize oldSize, DibSize newSize) {
    const int centreX = oldSize.width / 2 - newSize.width / 2;
    const int centreY = oldSize.height / 2 - newSize.height / 2;
    const int rightX = oldSize.width - newSize.width;
    const int bottomY = oldSize.height - newSize.height;
    switch (anchor) {
        case CropAnchor::TopLeft: return {0, 0};
        case CropAnchor::TopCentre: return {centreX, 0};
        case CropAnchor::TopRight: return {rightX, 0};
        case CropAnchor::CentreLeft: return {0, centreY};
        case CropAnchor::Centre: return {centreX, centreY};
        case CropAnchor::CentreRight: return {rightX, centreY};
        case CropAnchor::BottomLeft: return {0, bottomY};
        case CropAnchor::BottomCentre: return {centreX, bottomY};
        case CropAnchor::BottomRight: return {rightX, bottomY};
    }
    return {0, 0};
}

bool CropInto(const COXDIB& source, COXDIB& destination, IntPoint offset, const BackgroundColour& background) {
    const unsigned bits = source.GetBitCount();
    if ((bits != 8 && bits != 24) || destination.GetBitCount() != bits) return false;
    const DibSize from = source.GetSize(), to = destination.GetSize();
    const StoredPixel fill = StoredBackground(background, bits);
    const std::size_t pixelBytes = std::size_t(fill.size);

    // The destination columns that see the source, in 64 bits: offsets come from settings
    // and may be anywhere in the int range.
    const std::int64_t firstX = std::clamp<std::int64_t>(-std::int64_t(offset.x), 0, to.width);
    const std::int64_t endX = std::clamp<std::int64_t>(std::int64_t(from.width) - offset.x, firstX, to.width);
    const std::size_t leftBytes = std::size_t(firstX) * pixelBytes;
    const std::size_t copyBytes = std::size_t(endX - firstX) * pixelBytes;

    const ConstRows in = DibRows(source);
    const Rows out = DibRows(destination);
    for (int y = 0; y < to.height; ++y) {
        std::uint8_t* dst = out.Line(y);
        const std::int64_t line = std::int64_t(y) + offset.y;
        if (line < 0 || line >= from.height || copyBytes == 0) {
            FillPixels(dst, std::size_t(to.width), fill);
            continue;
        }
        FillPixels(dst, std::size_t(firstX), fill);
        std::memcpy(dst + leftBytes, in.Line(int(line)) + std::size_t(firstX + offset.x) * pixelBytes, copyBytes);
        FillPixels(dst + leftBytes + copyBytes, std::size_t(to.width - endX), fill);
    }
    return true;
}

}  // namespace quillor

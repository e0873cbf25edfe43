#include "core/dib_render.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace quillor {

namespace {

// The destination pixels [first, last) of one axis that show picture coordinates 0 to
// extent - 1. The ends are found with the very sum the pixels are mapped with, so a
// rounding in the estimate can never leave a pixel mapped outside the picture.
struct Span {
    int first = 0;
    int last = 0;
    int Size() const { return last - first; }
};

// The first destination pixel in [lowest, size] whose picture coordinate is at least
// `coordinate` (size when there is none). Coordinates only grow along an axis.
int FirstReaching(double coordinate, int origin, double zoom, int lowest, int size) {
    const double estimate = std::floor(double(origin) + coordinate * zoom);
    int at = int(std::clamp(estimate, double(lowest), double(size)));
    while (at > lowest && PictureCoordinateExact(at - 1, origin, zoom) >= coordinate) --at;
    while (at < size && PictureCoordinateExact(at, origin, zoom) < coordinate) ++at;
    return at;
}

// The destination pixels showing picture coordinates [lo, lo + extent). Nothing left of
// the origin counts, where truncation would fold a sliver of a pixel onto coordinate 0.
Span CoveredSpan(int origin, double zoom, int lo, int extent, int destinationSize) {
    Span span;
    const int lowest = std::clamp(origin, 0, destinationSize);
    span.first = FirstReaching(lo, origin, zoom, lowest, destinationSize);
    span.last = FirstReaching(double(lo) + extent, origin, zoom, span.first, destinationSize);
    return span;
}

// Coordinate within [lo, lo + extent), counted from lo, of every destination pixel of a
// span.
void MapSpan(const Span& span, int origin, double zoom, int lo, int extent, std::vector<int>& out) {
    out.resize(std::size_t(span.Size()));
    for (int i = 0; i < span.Size(); ++i) {
        const double at = PictureCoordinateExact(span.first + i, origin, zoom) - lo;
        out[std::size_t(i)] = int(std::clamp(at, 0.0, double(extent - 1)));
    }
}

inline std::uint32_t PixelFromBgr(const std::uint8_t* p) {
    return 0xFF000000u | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0];
}

void RenderLine24(const std::uint8_t* source, const std::vector<int>& offsets, std::uint32_t* out) {
    const std::size_t n = offsets.size();
    const int* offset = offsets.data();
    for (std::size_t i = 0; i < n; ++i) out[i] = PixelFromBgr(source + offset[i]);
}

void RenderLine8(const std::uint8_t* source, const std::vector<int>& offsets,
                 const std::array<std::uint32_t, 256>& lookup, std::uint32_t* out) {
    const std::size_t n = offsets.size();
    const int* offset = offsets.data();
    for (std::size_t i = 0; i < n; ++i) out[i] = lookup[source[offset[i]]];
}

// 1:1 copies need no table: the compiler turns the plain loop into wide moves.
void CopyLine24(const std::uint8_t* source, std::size_t n, std::uint32_t* out) {
    for (std::size_t i = 0; i < n; ++i) out[i] = PixelFromBgr(source + 3 * i);
}

void CopyLine8(const std::uint8_t* source, std::size_t n,
               const std::array<std::uint32_t, 256>& lookup, std::uint32_t* out) {
    for (std::size_t i = 0; i < n; ++i) out[i] = lookup[source[i]];
}

}  // namespace

IntRect RenderDib(const COXDIB& image, const RenderPlacement& placement,
                     std::uint32_t* destination, int width, int height, std::ptrdiff_t stride) {
    return RenderDibAt(image, {0, 0}, placement, destination, width, height, stride);
}

IntRect RenderDibAt(const COXDIB& image, IntPoint at, const RenderPlacement& placement,
                    std::uint32_t* destination, int width, int height, std::ptrdiff_t stride) {
    if (image.IsEmpty() || destination == nullptr || width <= 0 || height <= 0) return {};
    const unsigned bits = image.GetBitCount();
    if (bits != 8 && bits != 24) return {};
    const double zoom = placement.zoom;
    if (!(zoom > 0.0) || !std::isfinite(zoom)) return {};
    const DibSize size = image.GetSize();
    if (size.width <= 0 || size.height <= 0) return {};

    const Span columns = CoveredSpan(placement.originX, zoom, at.x, size.width, width);
    const Span rows = CoveredSpan(placement.originY, zoom, at.y, size.height, height);
    if (columns.Size() <= 0 || rows.Size() <= 0) return {};

    std::vector<int> sourceColumns, sourceRows;
    MapSpan(columns, placement.originX, zoom, at.x, size.width, sourceColumns);
    MapSpan(rows, placement.originY, zoom, at.y, size.height, sourceRows);

    std::array<std::uint32_t, 256> lookup{};
    if (bits == 8)
        for (unsigned i = 0; i < 256; ++i)
            lookup[i] = OpaquePixel(image.GetTableWord(std::uint8_t(i)));

    const std::size_t bytesPerPixel = bits / 8;
    // Columns shown 1:1 are consecutive source pixels.
    const bool oneToOne =
        zoom == 1.0 && sourceColumns.back() - sourceColumns.front() == columns.Size() - 1;
    if (!oneToOne)
        for (int& column : sourceColumns) column *= int(bytesPerPixel);
    const std::size_t count = std::size_t(columns.Size());
    const std::size_t rowBytes = count * sizeof(std::uint32_t);

    int previousSource = -1;
    const std::uint32_t* previousOut = nullptr;
    for (int i = 0; i < rows.Size(); ++i) {
        std::uint32_t* out = destination + (rows.first + i) * stride + columns.first;
        const int sourceRow = sourceRows[std::size_t(i)];
        // Zoomed in, runs of destination rows show the same picture line: copy the first.
        if (sourceRow == previousSource) {
            std::memcpy(out, previousOut, rowBytes);
            continue;
        }
        const std::uint8_t* line = image.Line(sourceRow);
        if (oneToOne) {
            const std::uint8_t* start = line + std::size_t(sourceColumns.front()) * bytesPerPixel;
            if (bits == 24)
                CopyLine24(start, count, out);
            else
                CopyLine8(start, count, lookup, out);
        } else if (bits == 24) {
            RenderLine24(line, sourceColumns, out);
        } else {
            RenderLine8(line, sourceColumns, lookup, out);
        }
        previousSource = sourceRow;
        previousOut = out;
    }
    return {columns.first, rows.first, columns.last, rows.last};
}

void FillHatchOutside(std::uint32_t* destination, int width, int height, std::ptrdiff_t stride,
                      const IntRect& keep, int phaseX, int phaseY) {
    if (destination == nullptr || width <= 0 || height <= 0) return;
    const int keepLeft = std::clamp(keep.left, 0, width),
              keepRight = std::clamp(keep.right, keepLeft, width);
    const bool keepsRows = !keep.Empty();
    for (int y = 0; y < height; ++y) {
        std::uint32_t* out = destination + y * stride;
        const bool rowKept = keepsRows && y >= keep.top && y < keep.bottom;
        const int wy = y + phaseY;
        auto fill = [&](int from, int to) {
            for (int x = from; x < to; ++x)
                out[x] = IsHatchInk(x + phaseX, wy) ? kHatchInk : kHatchPaper;
        };
        if (rowKept) {
            fill(0, keepLeft);
            fill(keepRight, width);
        } else {
            fill(0, width);
        }
    }
}

}  // namespace quillor

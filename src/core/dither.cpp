#include "core/dither.h"

#include <algorithm>
#include <array>
#include <new>
#include <utility>
#include <vector>

#include "core/nearest_colour.h"
#include "core/work_progress.h"

namespace quillor {

namespace {

constexpr int kErrorLimit = 20;
constexpr int kCells = 32 * 32 * 32;

class CellCache {
public:
    explicit CellCache(const NearestColour& nearest) : nearest_(nearest) { cells_.fill(-1); }

    // The first colour to fall into a cell decides it.
    int Find(int red, int green, int blue) {
        const int cell = (red >> 3) << 10 | (green >> 3) << 5 | (blue >> 3);
        std::int16_t& index = cells_[std::size_t(cell)];
        if (index < 0) index = nearest_.Find(red, green, blue);
        return index;
    }

private:
    const NearestColour& nearest_;
    std::array<std::int16_t, kCells> cells_;
};

// Errors are kept per channel for the row's pixels plus one pixel of margin at each
// end, so the pixels at the edges can hand error past them without a test.
template <int R, int B, bool Floyd, int Dir>
void DitherRow(const std::uint8_t* source, std::uint8_t* out, int width, int* current, int* next,
               CellCache& cells, const NearestColour& nearest) {
    int x = Dir > 0 ? 0 : width - 1;
    const int end = Dir > 0 ? width : -1;
    for (; x != end; x += Dir) {
        const std::uint8_t* p = source + std::size_t(x) * 3;
        int* here = current + (x + 1) * 3;
        int* below = next + (x + 1) * 3;
        const auto corrected = [&](int value, int error) {
            const int scaled = Floyd ? (error + 8) >> 4 : error >> 1;
            return std::clamp(value + scaled, 0, 255);
        };
        const int r = corrected(p[R], here[0]);
        const int g = corrected(p[1], here[1]);
        const int b = corrected(p[B], here[2]);
        const int index = cells.Find(r, g, b);
        out[x] = std::uint8_t(index);
        const int e[3] = {std::clamp(r - nearest.Red(index), -kErrorLimit, kErrorLimit),
                          std::clamp(g - nearest.Green(index), -kErrorLimit, kErrorLimit),
                          std::clamp(b - nearest.Blue(index), -kErrorLimit, kErrorLimit)};
        constexpr int ahead = 3 * Dir;
        for (int c = 0; c < 3; ++c) {
            if (Floyd) {
                here[ahead + c] += 7 * e[c];
                below[-ahead + c] += 3 * e[c];
                below[c] += 5 * e[c];
                below[ahead + c] += e[c];
            } else {
                here[ahead + c] += e[c];
                below[c] += e[c];
            }
        }
    }
}

template <int R, int B, bool Floyd>
void DitherRows(const ConstRows& pixels, const Rows& indices, const NearestColour& nearest) {
    const std::size_t span = (std::size_t(pixels.width) + 2) * 3;
    std::vector<int> a(span, 0), b(span, 0);
    int* current = a.data();
    int* next = b.data();
    CellCache cells(nearest);
    for (int y = 0; y < pixels.height; ++y) {
        std::fill(next, next + span, 0);
        if (y % 2 == 0)
            DitherRow<R, B, Floyd, 1>(pixels.Line(y), indices.Line(y), pixels.width, current, next, cells, nearest);
        else
            DitherRow<R, B, Floyd, -1>(pixels.Line(y), indices.Line(y), pixels.width, current, next, cells, nearest);
        std::swap(current, next);
        ReportRows(y + 1, pixels.height);
    }
}

}  // namespace

bool DitherToPalette(ConstRows pixels, Rows indices, int paletteSize, const TableWord* palette,
                     DitherMethod method) {
    if (!pixels.top || !indices.top || !palette || pixels.width < 1 || pixels.height < 1 ||
        indices.width != pixels.width || indices.height != pixels.height || paletteSize < 1 || paletteSize > 256)
        return false;
    try {
        const NearestColour nearest(palette, paletteSize);
        const bool floyd = method == DitherMethod::FloydSteinberg;
        if (pixels.order == ChannelOrder::Rgb)
            floyd ? DitherRows<0, 2, true>(pixels, indices, nearest) : DitherRows<0, 2, false>(pixels, indices, nearest);
        else
            floyd ? DitherRows<2, 0, true>(pixels, indices, nearest) : DitherRows<2, 0, false>(pixels, indices, nearest);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

bool DitherToPalette(const std::uint8_t* rgb, int width, int height, std::uint8_t* indices, int paletteSize,
                     const TableWord* palette, DitherMethod method) {
    return DitherToPalette(PackedRows(rgb, width, height, 3), PackedRows(indices, width, height, 1), paletteSize,
                           palette, method);
}

}  // namespace quillor

#include "paint/flood_fill.h"

#include <cstring>
#include <vector>

namespace quillor {

namespace {

// One byte per pixel: palette indices.
struct IndexPixels {
    std::uint8_t old;
    std::uint8_t fill;

    bool Matches(const std::uint8_t* row, int x) const { return row[x] == old; }
    // The end of the run of the old colour that starts at x, scanning right.
    int RunEnd(const std::uint8_t* row, int x, int width) const {
        while (x < width && row[x] == old) ++x;
        return x;
    }
    void Paint(std::uint8_t* row, int from, int to) const {
        std::memset(row + from, fill, std::size_t(to - from));
    }
};

// Three bytes per pixel, blue, green, red.
struct TruePixels {
    std::uint8_t old[3];
    std::uint8_t fill[3];

    bool Matches(const std::uint8_t* row, int x) const {
        const std::uint8_t* p = row + std::size_t(x) * 3;
        return p[0] == old[0] && p[1] == old[1] && p[2] == old[2];
    }
    int RunEnd(const std::uint8_t* row, int x, int width) const {
        const std::uint8_t* p = row + std::size_t(x) * 3;
        for (; x < width && p[0] == old[0] && p[1] == old[1] && p[2] == old[2]; ++x, p += 3) {
        }
        return x;
    }
    void Paint(std::uint8_t* row, int from, int to) const {
        std::uint8_t* p = row + std::size_t(from) * 3;
        for (int x = from; x < to; ++x, p += 3) {
            p[0] = fill[0];
            p[1] = fill[1];
            p[2] = fill[2];
        }
    }
};

// A span of row `y - dy` from xl to xr (inclusive) that is already filled; row `y` next
// to it is still to be looked at.
struct Span {
    int y;
    int xl;
    int xr;
    int dy;
};

// A scanline seed fill: every popped span fills whole runs of its neighbouring row at
// once, and each run pushes at most two spans, so the stack never holds more than a
// few entries per filled run. It fills exactly the 4-connected area of the old colour,
// as a pixel-by-pixel walk would, at a fraction of the cost.
template <typename Pixels>
std::uint64_t SpanFill(const PaintTarget& target, const Pixels& pixels, int seedX, int seedY) {
    COXDIB& image = *target.image;
    const DibSize size = image.GetSize();
    const int width = size.width;
    const int height = size.height;
    std::uint8_t* bits = image.GetBits();
    const std::size_t stride = image.GetStride();
    auto line = [&](int y) { return bits + std::size_t(height - 1 - y) * stride; };
    auto paint = [&](std::uint8_t* row, int y, int from, int to) {
        target.BeforeWrite({from, y, to, y + 1});
        pixels.Paint(row, from, to);
    };

    std::vector<Span> stack;
    auto push = [&](int y, int xl, int xr, int dy) {
        if (y + dy >= 0 && y + dy < height) stack.push_back({y, xl, xr, dy});
    };
    // The seed row is looked at first (as the neighbour of a span just below it); the
    // other entry carries the seed's column downwards.
    push(seedY, seedX, seedX, 1);
    push(seedY + 1, seedX, seedX, -1);

    std::uint64_t painted = 0;
    while (!stack.empty()) {
        const Span span = stack.back();
        stack.pop_back();
        const int dy = span.dy;
        const int y = span.y + dy;
        const int x1 = span.xl;
        const int x2 = span.xr;
        std::uint8_t* row = line(y);

        // Reach left from x1 for the part of the run that lies beyond the parent span.
        int x = x1;
        while (x >= 0 && pixels.Matches(row, x)) --x;
        int left = x + 1;
        bool inRun = x < x1;
        if (inRun) {
            paint(row, y, left, x1 + 1);
            painted += std::uint64_t(x1 + 1 - left);
            if (left < x1) push(y, left, x1 - 1, -dy);  // it leaked round the parent's left end
            x = x1 + 1;
        }
        do {
            if (inRun) {
                const int end = pixels.RunEnd(row, x, width);
                paint(row, y, x, end);
                painted += std::uint64_t(end - x);
                x = end;
                push(y, left, x - 1, dy);
                if (x > x2 + 1) push(y, x2 + 1, x - 1, -dy);  // leaked round the right end
            }
            for (++x; x <= x2 && !pixels.Matches(row, x); ++x) {
            }
            left = x;
            inRun = true;
        } while (x <= x2);
    }
    return painted;
}

}  // namespace

std::uint64_t FloodFill(PaintTarget& target, int x, int y, int colour) {
    COXDIB* image = target.image;
    if (image == nullptr || image->IsEmpty()) return 0;
    const DibSize size = image->GetSize();
    if (x < 0 || y < 0 || x >= size.width || y >= size.height) return 0;
    const std::uint8_t* seed = image->Line(y);

    if (image->GetBitCount() == 8) {
        const IndexPixels pixels{seed[x], std::uint8_t(colour)};
        if (pixels.old == pixels.fill) return 0;
        if (target.isProtected && target.isProtected(pixels.old)) return 0;
        return SpanFill(target, pixels, x, y);
    }
    if (image->GetBitCount() == 24) {
        const ColourRef value = target.TableColour(colour);
        const std::uint8_t* p = seed + std::size_t(x) * 3;
        const TruePixels pixels{{p[0], p[1], p[2]}, {BlueOf(value), GreenOf(value), RedOf(value)}};
        if (std::memcmp(pixels.old, pixels.fill, 3) == 0) return 0;
        return SpanFill(target, pixels, x, y);
    }
    return 0;
}

}  // namespace quillor

// COXDIB::OverlayOnto: one layer laid over a true-colour picture, as a layered image is
// composed.
//
// The rule walks the pixels in memory order with a row flag and per-column marks. Both
// only ever say whether a neighbour is opaque: the row flag at x is set exactly when the
// pixel at x - 1 of the same row is opaque, and mark x exactly when the pixel at x of the
// row before is (with opacity on neither is ever set, and smoothing does nothing). Each
// smoothing fix writes (layer + the destination's value before the layer) / 2 into a
// pixel, the value an edge pixel gets anyway. So an opaque pixel ends up mixed when
//   - its left neighbour is transparent or it is in column 0,
//   - the pixel below it is transparent or it is in row 0,
//   - its right neighbour, inside the processed columns, is transparent, or
//   - the pixel above it, inside the processed rows, is transparent and that pixel's left
//     neighbour is not opaque (a transparent pixel after an opaque one fixes its left
//     neighbour, not the one below it),
// and is copied otherwise. That lets every row be classified from three rows of opacity
// first, then done in runs of one action with straight loops over bytes.

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

#include "core/coxdib.h"

namespace quillor {

namespace {

enum Action : std::uint8_t { kLeave = 0, kCopy = 1, kMix = 2, kBlend = 3 };

// 1 where the layer pixel is opaque, 0 where it is the key colour.
void OpaqueMask(const std::uint8_t* row, int columns, bool keyOn, TableWord key, std::uint8_t* mask) {
    if (!keyOn) {
        std::memset(mask, 1, std::size_t(columns));
        return;
    }
    int x = 0;
    // Four bytes at a time reach into the next pixel, so the last one is read by bytes.
    for (; x + 1 < columns; ++x) {
        std::uint32_t word;
        std::memcpy(&word, row + std::size_t(x) * 3, 4);
        mask[x] = (word & 0xFFFFFF) != key;
    }
    const std::uint8_t* last = row + std::size_t(x) * 3;
    mask[x] = (TableWord(last[0]) | TableWord(last[1]) << 8 | TableWord(last[2]) << 16) != key;
}

// Copy or mix for every opaque pixel of a row with smoothing on. `below` is all zeros on
// row 0, `above` all ones on the last processed row (no pixel above can fix this row).
void SmoothActions(const std::uint8_t* below, const std::uint8_t* row, const std::uint8_t* above, int columns,
                   std::uint8_t* act) {
    auto at = [&](int x) {
        const bool leftOpen = x == 0 || !row[x - 1];
        const bool rightOpen = x + 1 < columns && !row[x + 1];
        const bool aboveFixes = !above[x] && (x == 0 || !above[x - 1]);
        return std::uint8_t(!row[x] ? kLeave : leftOpen || !below[x] || rightOpen || aboveFixes ? kMix : kCopy);
    };
    act[0] = at(0);
    // Branch-free on 0/1 bytes, so the compiler can take many columns at a time.
    for (int x = 1; x + 1 < columns; ++x) {
        const std::uint8_t open = std::uint8_t((row[x - 1] ^ 1) | (below[x] ^ 1) | (row[x + 1] ^ 1) |
                                               ((above[x] | above[x - 1]) ^ 1));
        act[x] = std::uint8_t(row[x] + (row[x] & open));
    }
    if (columns > 1) act[columns - 1] = at(columns - 1);
}

// One past the last column from `x` on with the same action.
int RunEnd(const std::uint8_t* act, int x, int columns) {
    const std::uint8_t a = act[x];
    const std::uint64_t same = 0x0101010101010101ull * a;
    int i = x + 1;
    for (; i + 8 <= columns; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, act + i, 8);
        if (const std::uint64_t differ = word ^ same) return i + std::countr_zero(differ) / 8;
    }
    while (i < columns && act[i] == a) ++i;
    return i;
}

void MixBytes(std::uint8_t* d, const std::uint8_t* s, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) d[i] = std::uint8_t((unsigned(d[i]) + s[i]) >> 1);
}

void BlendBytes(std::uint8_t* d, const std::uint8_t* s, std::size_t n, unsigned opacity) {
    const unsigned keep = 100 - opacity;
    for (std::size_t i = 0; i < n; ++i) {
        // At most 25500: sixteen bits hold it, and the division by 100 stays exact.
        const std::uint16_t sum = std::uint16_t(d[i] * keep + s[i] * opacity);
        d[i] = std::uint8_t(sum / 100);
    }
}

void ApplyActions(const std::uint8_t* act, int columns, const std::uint8_t* s, std::uint8_t* d, unsigned opacity) {
    for (int x = 0; x < columns;) {
        const int end = RunEnd(act, x, columns);
        const std::size_t at = std::size_t(x) * 3, bytes = std::size_t(end - x) * 3;
        switch (act[x]) {
            case kCopy: std::memcpy(d + at, s + at, bytes); break;
            case kMix: MixBytes(d + at, s + at, bytes); break;
            case kBlend: BlendBytes(d + at, s + at, bytes, opacity); break;
            default: break;
        }
        x = end;
    }
}

}  // namespace

void COXDIB::OverlayOnto(COXDIB& destination, int width, int height, TableWord keyColour,
                         bool keyOn, bool opacityOn, int opacity, bool smoothEdges) const {
    if (GetBitCount() != 24 || destination.GetBitCount() != 24) return;
    const DibSize layerSize = GetSize(), destSize = destination.GetSize();
    // The destination stride follows the width argument; never let it reach past the
    // destination's own rows.
    width = std::min(width, destSize.width);
    height = std::min(height, destSize.height);
    const int rows = std::min(height, layerSize.height);
    const int columns = std::min(width, layerSize.width);
    if (rows <= 0 || columns <= 0) return;
    opacity = std::clamp(opacity, 0, 100);
    // Fully transparent blending leaves every pixel as it was; fully opaque is a copy.
    if (opacityOn && opacity == 0) return;
    const bool blend = opacityOn && opacity < 100;
    const bool smooth = smoothEdges && !opacityOn;

    const std::size_t layerStride = GetStride();
    const std::size_t destStride = DibStride(width, 24);
    const std::uint8_t* layerBits = GetBits();
    std::uint8_t* destBits = destination.GetBits();
    const std::size_t span = std::size_t(columns);
    std::vector<std::uint8_t> act(span);

    if (!smooth) {
        const std::uint8_t opaqueAction = blend ? kBlend : kCopy;
        for (int row = 0; row < rows; ++row) {
            const std::uint8_t* s = layerBits + std::size_t(row) * layerStride;
            std::uint8_t* d = destBits + std::size_t(row) * destStride;
            if (!keyOn && !blend) {
                std::memcpy(d, s, std::size_t(columns) * 3);
                continue;
            }
            OpaqueMask(s, columns, keyOn, keyColour, act.data());
            for (int x = 0; x < columns; ++x) act[std::size_t(x)] = std::uint8_t(act[std::size_t(x)] * opaqueAction);
            ApplyActions(act.data(), columns, s, d, unsigned(opacity));
        }
        return;
    }

    // Opacity of three rows at a time: the one below, this one and the one above.
    std::vector<std::uint8_t> zeros(span, 0), ones(span, 1), masks(span * 3, 0);
    std::uint8_t* below = zeros.data();
    std::uint8_t* current = masks.data();
    std::uint8_t* above = masks.data() + span;
    std::uint8_t* spare = masks.data() + 2 * span;
    OpaqueMask(layerBits, columns, keyOn, keyColour, current);
    for (int row = 0; row < rows; ++row) {
        const std::uint8_t* s = layerBits + std::size_t(row) * layerStride;
        std::uint8_t* d = destBits + std::size_t(row) * destStride;
        const bool last = row + 1 == rows;
        if (!last) OpaqueMask(s + layerStride, columns, keyOn, keyColour, above);
        SmoothActions(below, current, last ? ones.data() : above, columns, act.data());
        ApplyActions(act.data(), columns, s, d, 100);
        // This row is the next one's row below; the one above becomes the current.
        std::uint8_t* done = current;
        current = above;
        above = below == zeros.data() ? spare : below;
        below = done;
    }
}

}  // namespace quillor

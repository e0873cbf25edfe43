#include "core/nearest_colour.h"

#include <algorithm>
#include <climits>
#include <numeric>

namespace quillor {

namespace {

// Small palettes cost less to scan than to search cleverly.
constexpr int kScanLimit = 16;

}  // namespace

NearestColour::NearestColour(const TableWord* palette, int size) : size_(std::clamp(size, 1, 256)) {
    for (int i = 0; i < size_; ++i) {
        red_[std::size_t(i)] = int((palette[i] >> 16) & 0xFF);
        green_[std::size_t(i)] = int((palette[i] >> 8) & 0xFF);
        blue_[std::size_t(i)] = int(palette[i] & 0xFF);
    }
    if (size_ <= kScanLimit) return;
    std::iota(byGreen_.begin(), byGreen_.begin() + size_, std::uint8_t(0));
    std::stable_sort(byGreen_.begin(), byGreen_.begin() + size_,
                     [&](std::uint8_t a, std::uint8_t b) { return green_[a] < green_[b]; });
    for (int i = 0; i < size_; ++i) sortedGreen_[std::size_t(i)] = green_[byGreen_[std::size_t(i)]];
    int position = 0;
    for (int g = 0; g <= 256; ++g) {
        while (position < size_ && sortedGreen_[std::size_t(position)] < g) ++position;
        firstAtGreen_[std::size_t(g)] = std::uint16_t(position);
    }
}

std::uint8_t NearestColour::Scan(int red, int green, int blue) const {
    int best = INT_MAX, bestIndex = 0;
    for (int i = 0; i < size_; ++i) {
        const int dr = red - red_[std::size_t(i)], dg = green - green_[std::size_t(i)],
                  db = blue - blue_[std::size_t(i)];
        const int d = dr * dr + dg * dg + db * db;
        if (d < best) {
            best = d;
            bestIndex = i;
        }
    }
    return std::uint8_t(bestIndex);
}

std::uint8_t NearestColour::Find(int red, int green, int blue) const {
    if (size_ <= kScanLimit) return Scan(red, green, blue);
    int best = INT_MAX, bestIndex = 256;
    const auto consider = [&](int index) {
        const int dr = red - red_[std::size_t(index)], dg = green - green_[std::size_t(index)],
                  db = blue - blue_[std::size_t(index)];
        const int d = dr * dr + dg * dg + db * db;
        if (d < best || (d == best && index < bestIndex)) {
            best = d;
            bestIndex = index;
        }
    };
    const int start = firstAtGreen_[std::size_t(green)];
    int up = start, down = start - 1;
    // An entry whose green alone is farther than the best cannot win or tie; an equal
    // green distance still can when the other channels match.
    while (up < size_ || down >= 0) {
        if (up < size_) {
            const int dg = sortedGreen_[std::size_t(up)] - green;
            if (dg * dg > best)
                up = size_;
            else
                consider(byGreen_[std::size_t(up++)]);
        }
        if (down >= 0) {
            const int dg = green - sortedGreen_[std::size_t(down)];
            if (dg * dg > best)
                down = -1;
            else
                consider(byGreen_[std::size_t(down--)]);
        }
    }
    return std::uint8_t(bestIndex);
}

}  // namespace quillor

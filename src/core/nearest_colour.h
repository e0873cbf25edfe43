#pragma once

#include <array>
#include <cstdint>

#include "core/colour.h"

namespace quillor {

// Finds the palette entry nearest a colour by squared distance (red difference squared
// plus green plus blue), the lowest index winning ties; the same answer as scanning the
// palette from entry 0 and taking a later entry only when it is strictly nearer.
class NearestColour {
public:
    // `palette` holds `size` table words, 1 <= size <= 256.
    NearestColour(const TableWord* palette, int size);

    std::uint8_t Find(int red, int green, int blue) const;

    int Size() const { return size_; }
    int Red(int index) const { return red_[std::size_t(index)]; }
    int Green(int index) const { return green_[std::size_t(index)]; }
    int Blue(int index) const { return blue_[std::size_t(index)]; }

private:
    std::uint8_t Scan(int red, int green, int blue) const;

    int size_;
    std::array<int, 256> red_{}, green_{}, blue_{};
    // Large palettes are searched outwards from the query's green in entries sorted by
    // green, stopping each way once green alone is farther than the best distance.
    std::array<std::uint8_t, 256> byGreen_{};
    std::array<int, 256> sortedGreen_{};
    std::array<std::uint16_t, 257> firstAtGreen_{};
};

}  // namespace quillor

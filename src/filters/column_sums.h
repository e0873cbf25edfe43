#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quillor {

// Sums of the three lines of a 3 x 3 neighbourhood, byte by byte, with one pixel of
// padding on each side that repeats the edge column: the replicated-edge rule then needs
// no test inside the row loop. Sum i + 3 belongs to byte i of the line.
class ColumnSums {
public:
    explicit ColumnSums(int width) : sums_(std::size_t(width) * 3 + 6) {}

    const std::uint16_t* Fill(const std::uint8_t* above, const std::uint8_t* line, const std::uint8_t* below) {
        const std::size_t n = sums_.size() - 6;
        std::uint16_t* s = sums_.data() + 3;
        for (std::size_t i = 0; i < n; ++i) s[i] = std::uint16_t(above[i] + line[i] + below[i]);
        for (int c = 0; c < 3; ++c) {
            s[c - 3] = s[c];
            s[n + std::size_t(c)] = s[n - 3 + std::size_t(c)];
        }
        return sums_.data();
    }

private:
    std::vector<std::uint16_t> sums_;
};

}  // namespace quillor

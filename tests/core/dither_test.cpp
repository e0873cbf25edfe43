// Error diffusion: small pictures worked out by hand for the weights, the error limit,
// the serpentine order and the cell cache, then both methods checked against a literal
// walk of the rule (16-bit error rows with margins, a palette scan per empty cell) on
// random pictures.

#include "core/dither.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <random>
#include <vector>

#include "core/colour_quantise.h"

namespace quillor {
namespace {

using Palette = std::array<TableWord, 256>;

int Channel(TableWord w, int c) { return int(w >> (16 - 8 * c) & 0xFF); }

std::vector<std::uint8_t> ReferenceDither(const std::vector<std::uint8_t>& rgb, int width, int height, int size,
                                          const Palette& palette, bool floyd) {
    std::vector<std::uint8_t> out(std::size_t(width) * height);
    std::vector<std::int16_t> current(std::size_t(width + 2) * 3), next(current.size());
    std::vector<int> cells(32768, -1);
    for (int y = 0; y < height; ++y) {
        std::fill(next.begin(), next.end(), 0);
        const int dir = y % 2 == 0 ? 1 : -1;
        for (int i = 0; i < width; ++i) {
            const int x = dir > 0 ? i : width - 1 - i;
            int v[3];
            for (int c = 0; c < 3; ++c) {
                const int error = current[std::size_t(x + 1) * 3 + c];
                v[c] = std::clamp(rgb[(std::size_t(y) * width + x) * 3 + c] + (floyd ? (error + 8) >> 4 : error >> 1),
                                  0, 255);
            }
            int& cell = cells[std::size_t((v[0] >> 3) * 1024 + (v[1] >> 3) * 32 + (v[2] >> 3))];
            if (cell < 0) {
                int best = INT_MAX;
                for (int k = 0; k < size; ++k) {
                    int d = 0;
                    for (int c = 0; c < 3; ++c) d += (v[c] - Channel(palette[k], c)) * (v[c] - Channel(palette[k], c));
                    if (d < best) best = d, cell = k;
                }
            }
            out[std::size_t(y) * width + x] = std::uint8_t(cell);
            for (int c = 0; c < 3; ++c) {
                const int e = std::clamp(v[c] - Channel(palette[cell], c), -20, 20);
                auto at = [&](std::vector<std::int16_t>& row, int px) -> std::int16_t& {
                    return row[std::size_t(px + 1) * 3 + c];
                };
                if (floyd) {
                    at(current, x + dir) = std::int16_t(at(current, x + dir) + 7 * e);
                    at(next, x - dir) = std::int16_t(at(next, x - dir) + 3 * e);
                    at(next, x) = std::int16_t(at(next, x) + 5 * e);
                    at(next, x + dir) = std::int16_t(at(next, x + dir) + e);
                } else {
                    at(current, x + dir) = std::int16_t(at(current, x + dir) + e);
                    at(next, x) = std::int16_t(at(next, x) + e);
                }
            }
        }
        std::swap(current, next);
    }
    return out;
}

std::vector<std::uint8_t> Dither(const std::vector<std::uint8_t>& rgb, int width, int height, int size,
                                 const Palette& palette, DitherMethod method) {
    std::vector<std::uint8_t> out(std::size_t(width) * height, 0xEE);
    EXPECT_TRUE(DitherToPalette(rgb.data(), width, height, out.data(), size, palette.data(), method));
    return out;
}

std::vector<std::uint8_t> Greys(std::initializer_list<int> values) {
    std::vector<std::uint8_t> rgb;
    for (int v : values) rgb.insert(rgb.end(), 3, std::uint8_t(v));
    return rgb;
}

const Palette kBlackWhite = [] {
    Palette p{};
    p[1] = 0xFFFFFF;
    return p;
}();

TEST(DitherToPalette, WeightsAndTheErrorLimitDecideTheNextPixel) {
    // 100 maps to black with an error of 100, held to 20. Floyd-Steinberg hands on
    // 7 x 20 sixteenths (9): 118 + 9 = 127 stays black, where the unlimited error would
    // reach 162. Two-value hands on half of 20: 128 is nearer white.
    const std::vector<std::uint8_t> rgb = Greys({100, 118});
    EXPECT_EQ(Dither(rgb, 2, 1, 2, kBlackWhite, DitherMethod::FloydSteinberg), (std::vector<std::uint8_t>{0, 0}));
    EXPECT_EQ(Dither(rgb, 2, 1, 2, kBlackWhite, DitherMethod::TwoValue), (std::vector<std::uint8_t>{0, 1}));
}

TEST(DitherToPalette, SecondRowRunsRightToLeft) {
    // The first row is exact and hands on nothing; the second starts at 100 on the
    // right and pushes 118 on its left over to white.
    const std::vector<std::uint8_t> rgb = Greys({0, 0, 118, 100});
    EXPECT_EQ(Dither(rgb, 2, 2, 2, kBlackWhite, DitherMethod::TwoValue), (std::vector<std::uint8_t>{0, 0, 1, 0}));
}

TEST(DitherToPalette, FirstColourInACellDecidesItsIndex) {
    // 6 takes entry 1 (7) and fills the cell of 0..7; the following 0 falls into the same
    // cell and takes entry 1 too, though black is nearer.
    Palette palette{};
    palette[1] = 0x070707;
    for (DitherMethod method : {DitherMethod::TwoValue, DitherMethod::FloydSteinberg})
        EXPECT_EQ(Dither(Greys({6, 0}), 2, 1, 2, palette, method), (std::vector<std::uint8_t>{1, 1}));
}

TEST(DitherToPalette, MatchesALiteralWalkOnRandomPictures) {
    std::mt19937 random(5);
    for (int round = 0; round < 6; ++round) {
        const int width = 1 + int(random() % 90), height = 1 + int(random() % 40);
        std::vector<std::uint8_t> rgb(std::size_t(width) * height * 3);
        // Smooth areas with noise, so errors build up and the limit is reached.
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                for (int c = 0; c < 3; ++c)
                    rgb[(std::size_t(y) * width + x) * 3 + c] =
                        std::uint8_t(std::clamp(x * (3 + c) + y * (5 - c) + int(random() % 40) - 20, 0, 255));
        Palette palette{};
        const int size = round % 3 == 0 ? 2 : round % 3 == 1 ? 16 : 256;
        if (round < 3) {
            ASSERT_TRUE(QuantiseColours(rgb.data(), width, height, size, palette.data()));
        } else {
            for (int i = 0; i < size; ++i) palette[i] = TableWord(random() & 0xE0E0E0);
        }
        for (bool floyd : {false, true}) {
            const auto got = Dither(rgb, width, height, size, palette,
                                    floyd ? DitherMethod::FloydSteinberg : DitherMethod::TwoValue);
            EXPECT_EQ(got, ReferenceDither(rgb, width, height, size, palette, floyd))
                << "round " << round << (floyd ? " floyd" : " two-value");
            EXPECT_LT(*std::max_element(got.begin(), got.end()), size);
        }
    }
}

TEST(DitherToPalette, RefusesBadSizesAndMissingBuffers) {
    const std::vector<std::uint8_t> rgb = Greys({1});
    std::uint8_t index = 77;
    EXPECT_FALSE(DitherToPalette(rgb.data(), 1, 1, &index, 257, kBlackWhite.data(), DitherMethod::TwoValue));
    EXPECT_FALSE(DitherToPalette(rgb.data(), 1, 1, &index, 0, kBlackWhite.data(), DitherMethod::TwoValue));
    EXPECT_FALSE(DitherToPalette(rgb.data(), 1, 1, nullptr, 2, kBlackWhite.data(), DitherMethod::TwoValue));
    EXPECT_FALSE(DitherToPalette(rgb.data(), 1, 1, &index, 2, nullptr, DitherMethod::FloydSteinberg));
    EXPECT_EQ(index, 77);
}

}  // namespace
}  // namespace quillor

// Octree quantisation: palettes worked out by hand for small pictures, pinning the merge
// order (heap ties included), the rounding of averaged colours and the order in which
// the walk hands out palette indices.

#include "core/colour_quantise.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <utility>
#include <vector>

namespace quillor {
namespace {

using Palette = std::array<TableWord, 256>;

// One row of pixels: each colour repeated its count of times.
std::vector<std::uint8_t> Pixels(const std::vector<std::pair<TableWord, int>>& runs) {
    std::vector<std::uint8_t> rgb;
    for (const auto& [word, count] : runs)
        for (int i = 0; i < count; ++i) {
            rgb.push_back(std::uint8_t(word >> 16));
            rgb.push_back(std::uint8_t(word >> 8));
            rgb.push_back(std::uint8_t(word));
        }
    return rgb;
}

Palette Quantise(const std::vector<std::uint8_t>& rgb, int colours, int* found = nullptr) {
    Palette palette{};
    EXPECT_TRUE(QuantiseColours(PackedRows(rgb.data(), int(rgb.size() / 3), 1, 3), colours, palette.data(), found));
    return palette;
}

constexpr TableWord kWhite = 0xFFFFFF, kBlack = 0x000000;

TEST(QuantiseColours, SixteenDistinctColoursComeBackExactly) {
    std::vector<std::pair<TableWord, int>> runs;
    std::set<TableWord> wanted;
    const std::uint8_t levels[] = {0, 96, 176, 255};
    for (int i = 0; i < 16; ++i) {
        const TableWord w = MakeTableWord(levels[i % 4], levels[i / 4], levels[(i + i / 4) % 4]);
        runs.push_back({w, 1 + i * 7});
        wanted.insert(w);
    }
    int found = 0;
    const Palette palette = Quantise(Pixels(runs), 16, &found);
    EXPECT_EQ(found, 16);
    EXPECT_EQ(std::set<TableWord>(palette.begin(), palette.begin() + 16), wanted);
}

TEST(QuantiseColours, WalkHandsOutIndicesFromTheHighestChildDownAndFillsWithBlack) {
    const TableWord red = 0xFF0000;
    int found = 0;
    Palette palette{};
    palette.fill(0xAB123456);
    const std::vector<std::uint8_t> rgb = Pixels({{kBlack, 3}, {red, 1}, {kWhite, 2}});
    ASSERT_TRUE(QuantiseColours(rgb.data(), 6, 1, 8, palette.data()));
    ASSERT_TRUE(QuantiseColours(PackedRows(rgb.data(), 6, 1, 3), 8, palette.data(), &found));
    EXPECT_EQ(found, 3);
    // The fourth byte of each written entry is left alone; unwritten entries stay.
    const TableWord expected[] = {kWhite, red, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(palette[i], 0xAB000000 | expected[i]) << i;
    EXPECT_EQ(palette[8], 0xAB123456u);
}

TEST(QuantiseColours, SmallestSubtreeFoldsIntoItsParentFirst) {
    // (0,0,0) and (0,0,8) share a parent; the lone one folds in first, its parent then
    // takes the heap place, and the second sibling is removed into the parent.
    const std::vector<std::uint8_t> rgb = Pixels({{0x000000, 1}, {0x000008, 2}, {kWhite, 10}});
    int found = 0;
    const Palette palette = Quantise(rgb, 2, &found);
    EXPECT_EQ(found, 2);
    EXPECT_EQ(palette[0], kWhite);
    EXPECT_EQ(palette[1], 0x000005u);  // blue (16 + 1) / 3
}

TEST(QuantiseColours, HeapTiesPreferTheLeftChildAndDoNotSwapEquals) {
    // Three single pixels: the first leaf's parent enters the heap with a count of 2 and
    // sinks below the equal leaves, left child first. Choosing the right child on a tie
    // would fold white up to the root instead and put it last.
    const Palette palette = Quantise(Pixels({{0x000000, 1}, {0x000008, 1}, {kWhite, 1}}), 2);
    EXPECT_EQ(palette[0], kWhite);
    EXPECT_EQ(palette[1], 0x000004u);  // blue (8 + 1) / 2
}

TEST(QuantiseColours, OneColourIsTheRoundedAverageAndCountsAreClamped) {
    const std::vector<std::uint8_t> rgb = Pixels({{kBlack, 1}, {kWhite, 1}, {0x0A0B01, 1}});
    // (0 + 255 + 10 + 1) / 3 = 88, (0 + 255 + 11 + 1) / 3 = 89, (0 + 255 + 1 + 1) / 3 = 85
    EXPECT_EQ(Quantise(rgb, 1)[0], 0x585955u);
    EXPECT_EQ(Quantise(rgb, 0)[0], 0x585955u);
    EXPECT_EQ(Quantise(Pixels({{kBlack, 1}, {kWhite, 1}}), -5)[0], 0x808080u);  // 255 / 2 rounds up

    Palette palette;
    palette.fill(0x00C0FFEE);
    int found = 0;
    ASSERT_TRUE(QuantiseColours(PackedRows(rgb.data(), 3, 1, 3), 1000, palette.data(), &found));
    EXPECT_EQ(found, 3);
    EXPECT_EQ(palette[255], 0u);  // all 256 entries written
}

TEST(QuantiseColours, ReadsEitherChannelOrder) {
    const std::vector<std::uint8_t> rgb = Pixels({{0x102030, 5}, {0xF0E0D0, 3}, {0x80FF00, 2}, {0x0000FF, 9}});
    std::vector<std::uint8_t> bgr = rgb;
    for (std::size_t i = 0; i < bgr.size(); i += 3) std::swap(bgr[i], bgr[i + 2]);
    ConstRows rows = PackedRows(static_cast<const std::uint8_t*>(bgr.data()), 19, 1, 3);
    rows.order = ChannelOrder::Bgr;
    Palette fromBgr{};
    ASSERT_TRUE(QuantiseColours(rows, 3, fromBgr.data()));
    const Palette fromRgb = Quantise(rgb, 3);
    EXPECT_EQ(fromBgr, fromRgb);
    EXPECT_NE(fromRgb[0], fromRgb[1]);
}

TEST(QuantiseColours, RefusesMissingBuffersWithoutWriting) {
    Palette palette;
    palette.fill(7);
    const std::uint8_t pixel[3] = {1, 2, 3};
    EXPECT_FALSE(QuantiseColours(nullptr, 1, 1, 4, palette.data()));
    EXPECT_FALSE(QuantiseColours(pixel, 1, 1, 4, nullptr));
    EXPECT_FALSE(QuantiseColours(pixel, 0, 1, 4, palette.data()));
    EXPECT_EQ(palette[0], 7u);
}

}  // namespace
}  // namespace quillor

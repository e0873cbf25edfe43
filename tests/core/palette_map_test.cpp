// Nearest-colour mapping and index expansion: ties by hand, then every palette size's
// search checked against a plain scan of the palette on random pictures whose colours
// and palettes are drawn from few values, so that ties are common.

#include "core/palette_map.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstring>
#include <utility>
#include <random>
#include <vector>

#include "core/coxdib.h"

namespace quillor {
namespace {

using Palette = std::array<TableWord, 256>;

std::uint8_t PlainNearest(const std::uint8_t* p, int size, const Palette& palette) {
    int best = INT_MAX, index = 0;
    for (int i = 0; i < size; ++i) {
        const int dr = p[0] - int(palette[i] >> 16 & 0xFF), dg = p[1] - int(palette[i] >> 8 & 0xFF),
                  db = p[2] - int(palette[i] & 0xFF);
        const int d = dr * dr + dg * dg + db * db;
        if (d < best) best = d, index = i;
        if (d == 0) break;
    }
    return std::uint8_t(index);
}

TEST(MapToPalette, TiesGoToTheLowestIndex) {
    // Ties are checked with a small palette and again as the head of a full one, which
    // is searched the other way.
    for (int size : {4, 256}) {
        Palette palette{};
        for (int i = 4; i < size; ++i) palette[i] = MakeTableWord(200, std::uint8_t(i), 200);
        palette[0] = 0x0A0A0A;
        palette[1] = 0x000000;
        palette[2] = 0x141414;
        palette[3] = 0x000000;
        const std::vector<std::uint8_t> rgb = {5, 5, 5, 15, 15, 15, 0, 0, 0, 20, 20, 20, 10, 0, 10};
        std::vector<std::uint8_t> indices(5, 99);
        ASSERT_TRUE(MapToPalette(rgb.data(), 5, 1, indices.data(), size, palette.data()));
        EXPECT_EQ(indices, (std::vector<std::uint8_t>{0, 0, 1, 2, 0})) << size;
    }
    // (7,7,7) is as far from black as black's farthest point in its cell, and exactly as
    // near (14,14,14): the lower entry must not be ruled out for that cell.
    const Palette corner = {0x0E0E0E, 0x000000};
    const std::uint8_t rgb[6] = {7, 7, 7, 6, 7, 7};
    std::uint8_t indices[2] = {9, 9};
    ASSERT_TRUE(MapToPalette(rgb, 2, 1, indices, 2, corner.data()));
    EXPECT_EQ(indices[0], 0);
    EXPECT_EQ(indices[1], 1);
}

TEST(MapToPalette, MatchesAPlainScanForEveryPaletteSize) {
    std::mt19937 random(11);
    const auto value = [&] { return std::uint8_t(std::uniform_int_distribution<int>(0, 12)(random) * 21); };
    // 300 x 300 is big enough to take the colour table; 40 x 30 maps without it.
    for (auto [width, height] : {std::pair{40, 30}, std::pair{300, 300}}) {
        for (int size : {1, 2, 16, 17, 100, 256}) {
            Palette palette{};
            for (int i = 0; i < 256; ++i) palette[i] = MakeTableWord(value(), value(), value());
            std::vector<std::uint8_t> rgb(std::size_t(width) * height * 3);
            for (std::size_t i = 0; i < rgb.size(); ++i)
                rgb[i] = i % 7 == 0 ? std::uint8_t(random()) : std::uint8_t(value() + (random() % 3));
            std::vector<std::uint8_t> indices(std::size_t(width) * height);
            ASSERT_TRUE(MapToPalette(rgb.data(), width, height, indices.data(), size, palette.data()));
            int wrong = 0;
            for (std::size_t i = 0; i < indices.size(); ++i)
                wrong += indices[i] != PlainNearest(&rgb[i * 3], size, palette);
            EXPECT_EQ(wrong, 0) << width << "x" << height << " palette " << size;
        }
    }
}

TEST(MapToPalette, ReadsBottomUpBlueGreenRedRows) {
    COXDIB image;
    ASSERT_TRUE(image.CreateBlank(24, 3, 2));
    const std::uint8_t top[9] = {0, 0, 250, 0, 250, 0, 250, 0, 0};  // red, green, blue
    std::memcpy(image.Line(0), top, 9);
    Palette palette{};
    palette[0] = 0xFFFFFF;
    palette[1] = 0xFF0000;
    palette[2] = 0x00FF00;
    palette[3] = 0x0000FF;
    std::vector<std::uint8_t> indices(6, 99);
    ASSERT_TRUE(MapToPalette(DibRows(std::as_const(image)), PackedRows(indices.data(), 3, 2, 1), 4, palette.data()));
    EXPECT_EQ(indices, (std::vector<std::uint8_t>{1, 2, 3, 0, 0, 0}));
}

TEST(MapToPalette, RefusesBadSizesAndMissingBuffers) {
    Palette palette{};
    const std::uint8_t rgb[3] = {1, 2, 3};
    std::uint8_t index = 77;
    EXPECT_FALSE(MapToPalette(rgb, 1, 1, &index, 257, palette.data()));
    EXPECT_FALSE(MapToPalette(rgb, 1, 1, &index, 0, palette.data()));
    EXPECT_FALSE(MapToPalette(rgb, 1, 1, nullptr, 2, palette.data()));
    EXPECT_FALSE(MapToPalette(nullptr, 1, 1, &index, 2, palette.data()));
    EXPECT_FALSE(MapToPalette(rgb, 1, 1, &index, 2, nullptr));
    EXPECT_EQ(index, 77);
    EXPECT_TRUE(MapToPalette(rgb, 1, 1, &index, 256, palette.data()));
}

TEST(ExpandIndices, GivesEachIndexItsEntryInEitherOrder) {
    Palette palette{};
    palette[0] = 0x123456;
    palette[1] = 0xABCDEF;
    palette[9] = 0x010203;  // beyond the palette size, still read from its slot
    const std::uint8_t indices[4] = {1, 0, 9, 1};
    std::vector<std::uint8_t> rgb(12);
    ASSERT_TRUE(ExpandIndices(indices, rgb.data(), 2, 2, 2, palette.data()));
    EXPECT_EQ(rgb, (std::vector<std::uint8_t>{0xAB, 0xCD, 0xEF, 0x12, 0x34, 0x56, 1, 2, 3, 0xAB, 0xCD, 0xEF}));

    COXDIB image;
    ASSERT_TRUE(image.CreateBlank(24, 2, 2));
    ASSERT_TRUE(ExpandIndices(PackedRows(indices, 2, 2, 1), DibRows(image), 2, palette.data()));
    const std::uint8_t* bottom = image.Line(1);
    EXPECT_EQ(std::vector<std::uint8_t>(bottom, bottom + 6), (std::vector<std::uint8_t>{3, 2, 1, 0xEF, 0xCD, 0xAB}));
    EXPECT_FALSE(ExpandIndices(indices, rgb.data(), 2, 2, 257, palette.data()));
}

}  // namespace
}  // namespace quillor

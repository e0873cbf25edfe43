// COXDIB::OverlayOnto, the composition step of layered images: exact results pinned on
// small pictures, and every mode checked byte for byte against a plain pixel-by-pixel
// walk of the rule (row flag and column marks) on random layers.

#include "core/coxdib.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace quillor {
namespace {

void ReferenceOverlay(const COXDIB& layer, COXDIB& dest, int width, int height, TableWord key, bool keyOn,
                      bool opacityOn, int opacity, bool smooth) {
    width = std::min(width, dest.GetSize().width);
    height = std::min(height, dest.GetSize().height);
    const int rows = std::min(height, layer.GetSize().height), columns = std::min(width, layer.GetSize().width);
    opacity = std::clamp(opacity, 0, 100);
    const std::size_t ls = layer.GetStride(), ds = DibStride(width, 24);
    std::vector<bool> mark(static_cast<std::size_t>(std::max(columns, 0)), false);
    std::vector<std::array<int, 3>> saved(mark.size());
    std::array<int, 3> previous{};
    for (int row = 0; row < rows; ++row) {
        bool flag = false;
        for (int x = 0; x < columns; ++x) {
            const std::uint8_t* s = layer.GetBits() + row * ls + x * 3;
            std::uint8_t* d = dest.GetBits() + row * ds + x * 3;
            if (keyOn && TableWord(s[2]) * 65536 + TableWord(s[1]) * 256 + s[0] == key) {
                if (smooth && flag) {
                    for (int c = 0; c < 3; ++c) d[c - 3] = std::uint8_t((s[c - 3] + previous[c]) / 2);
                } else if (smooth && mark[x]) {
                    std::uint8_t* below = d - ds;
                    for (int c = 0; c < 3; ++c) below[c] = std::uint8_t((saved[x][c] + (s - ls)[c]) / 2);
                }
                flag = mark[x] = false;
                continue;
            }
            for (int c = 0; c < 3; ++c) saved[x][c] = previous[c] = d[c];
            for (int c = 0; c < 3; ++c) {
                if (opacityOn) d[c] = std::uint8_t((d[c] * (100 - opacity) + s[c] * opacity) / 100);
                else if (!smooth || (flag && mark[x])) d[c] = s[c];
                else d[c] = std::uint8_t((d[c] + s[c]) / 2);
            }
            if (!opacityOn && smooth && !(flag && mark[x])) flag = mark[x] = true;
        }
    }
}

COXDIB Filled(int width, int height, std::uint8_t value) {
    COXDIB image;
    EXPECT_TRUE(image.CreateBlank(24, width, height));
    image.FillBytes(value);
    return image;
}

// A layer drawn as text, top line first: '#' a pixel of value 200, '.' the key (black).
COXDIB LayerFrom(const std::vector<std::string>& lines) {
    COXDIB layer = Filled(int(lines[0].size()), int(lines.size()), 0);
    for (std::size_t y = 0; y < lines.size(); ++y)
        for (std::size_t x = 0; x < lines[y].size(); ++x)
            if (lines[y][x] == '#') std::memset(layer.Line(int(y)) + 3 * x, 200, 3);
    return layer;
}

// The blue channel of every pixel, top line first.
std::vector<std::vector<int>> Blues(const COXDIB& image) {
    std::vector<std::vector<int>> out(std::size_t(image.GetSize().height));
    for (int y = 0; y < image.GetSize().height; ++y)
        for (int x = 0; x < image.GetSize().width; ++x) out[std::size_t(y)].push_back(image.Line(y)[x * 3]);
    return out;
}

using Grid = std::vector<std::vector<int>>;

TEST(OverlayTest, SmoothingMixesEveryBorderPixelAndFixesTheLeftNeighbourBeforeTheOneBelow) {
    COXDIB dest = Filled(5, 5, 40);
    LayerFrom({".....", ".###.", ".###.", ".###.", "....."}).OverlayOnto(dest, 5, 5, 0, true, false, 0, true);
    EXPECT_EQ(Blues(dest), (Grid{{40, 40, 40, 40, 40},
                                 {40, 120, 120, 120, 40},
                                 {40, 120, 200, 120, 40},
                                 {40, 120, 120, 120, 40},
                                 {40, 40, 40, 40, 40}}));
    // The key pixel above the middle column comes right after an opaque one, so it mixes
    // that one and leaves the middle pixel below it solid.
    COXDIB notch = Filled(3, 3, 16);
    LayerFrom({"#..", "###", "###"}).OverlayOnto(notch, 3, 3, 0, true, false, 0, true);
    EXPECT_EQ(Blues(notch), (Grid{{108, 16, 16}, {108, 200, 108}, {108, 108, 108}}));
}

TEST(OverlayTest, OpacityBlendsWithTruncationAndTheKeyIsARedGreenBlueWord) {
    COXDIB layer = Filled(3, 1, 0);
    const std::uint8_t pixels[9] = {11, 201, 255, 0x30, 0x20, 0x10, 0x10, 0x20, 0x30};
    std::memcpy(layer.Line(0), pixels, 9);
    const struct {
        int opacity;
        std::array<int, 3> first;
        int thirdBlue;
    } cases[] = {{100, {11, 201, 255}, 16}, {0, {77, 77, 77}, 77}, {50, {44, 139, 166}, 46}, {33, {55, 117, 135}, 56}};
    for (const auto& c : cases) {
        COXDIB dest = Filled(3, 1, 77);
        layer.OverlayOnto(dest, 3, 1, 0x102030, true, true, c.opacity, true);
        const std::uint8_t* d = dest.Line(0);
        EXPECT_EQ((std::array<int, 3>{d[0], d[1], d[2]}), c.first) << c.opacity;
        EXPECT_EQ(d[3], 77) << "red 0x10, green 0x20, blue 0x30 is the key";
        EXPECT_EQ(d[6], c.thirdBlue) << c.opacity;
    }
}

TEST(OverlayTest, LayerAndTargetShareTheirBottomLeftCornerWhateverTheirSizes) {
    COXDIB dest = Filled(4, 3, 1);
    Filled(2, 2, 9).OverlayOnto(dest, 4, 3, 0, true, false, 0, false);
    EXPECT_EQ(Blues(dest), (Grid{{1, 1, 1, 1}, {9, 9, 1, 1}, {9, 9, 1, 1}}));
    COXDIB small = Filled(3, 2, 1);
    Filled(6, 5, 7).OverlayOnto(small, 3, 2, 0, true, false, 0, true);
    EXPECT_EQ(Blues(small), (Grid{{4, 7, 7}, {4, 4, 4}}));
}

TEST(OverlayTest, EveryModeMatchesThePixelByPixelRuleOnRandomLayers) {
    std::mt19937 random(20240611);
    struct Shape {
        int layerW, layerH, destW, destH, width;
    };
    // Odd widths (row padding), layers larger and smaller than the target, a width
    // argument below the target's (the destination stride follows it) and one pixel.
    const Shape shapes[] = {{37, 23, 37, 23, 37}, {64, 9, 41, 15, 41}, {13, 31, 50, 20, 50},
                            {1, 1, 1, 1, 1},      {70, 40, 70, 40, 66}, {5, 5, 8, 8, 99}};
    auto randomise = [&](COXDIB& image) {
        for (std::size_t i = 0; i < image.GetImageBytes(); ++i) image.GetBits()[i] = std::uint8_t(random());
    };
    for (const Shape& shape : shapes) {
        for (int holes : {0, 3, 30, 90}) {
            COXDIB layer = Filled(shape.layerW, shape.layerH, 0);
            randomise(layer);
            // Runs of the key of random length, so shapes have edges of every kind.
            for (int y = 0; y < shape.layerH; ++y)
                for (int x = 0; x < shape.layerW; ++x)
                    if (int(random() % 100) < holes)
                        for (int k = x; k < std::min(x + 1 + int(random() % 6), shape.layerW); ++k)
                            std::memcpy(layer.Line(y) + 3 * k, "\x0C\x0B\x0A", 3);
            std::memcpy(layer.Line(0), "\x0C\x0B\x0B", 3);  // one channel off the key
            for (int mode = 0; mode < 8; ++mode) {
                for (int opacity : {0, 1, 50, 99, 100}) {
                    COXDIB fast = Filled(shape.destW, shape.destH, 0), slow;
                    randomise(fast);
                    ASSERT_TRUE(fast.CopyTo(slow));
                    layer.OverlayOnto(fast, shape.width, shape.destH, 0x0A0B0C, mode & 1, mode & 2, opacity, mode & 4);
                    ReferenceOverlay(layer, slow, shape.width, shape.destH, 0x0A0B0C, mode & 1, mode & 2, opacity,
                                     mode & 4);
                    ASSERT_EQ(std::memcmp(fast.GetBits(), slow.GetBits(), fast.GetImageBytes()), 0)
                        << "layer " << shape.layerW << "x" << shape.layerH << " holes " << holes << " mode " << mode
                        << " opacity " << opacity;
                }
            }
        }
    }
}

}  // namespace
}  // namespace quillor

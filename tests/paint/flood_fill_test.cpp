#include "paint/flood_fill.h"

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <random>
#include <vector>

namespace quillor {
namespace {

std::array<ColourRef, 256> Table() {
    std::array<ColourRef, 256> table{};
    for (int i = 0; i < 256; ++i)
        table[std::size_t(i)] =
            MakeColour(std::uint8_t(i * 7), std::uint8_t(i * 3), std::uint8_t(255 - i));
    return table;
}

PaintTarget TargetFor(COXDIB& image, const std::array<ColourRef, 256>& table) {
    PaintTarget target;
    target.image = &image;
    target.table = &table;
    target.mode = image.GetBitCount() == 24 ? ColourMode::TrueColour : ColourMode::Colours256;
    return target;
}

// Pixel `(x, y)` as one number: the index, or the three bytes.
std::uint32_t PixelAt(const COXDIB& image, int x, int y) {
    const std::uint8_t* line = image.Line(y);
    if (image.GetBitCount() == 8) return line[x];
    const std::uint8_t* p = line + x * 3;
    return p[0] | (p[1] << 8) | (p[2] << 16);
}

void SetPixel(COXDIB& image, int x, int y, std::uint32_t value) {
    std::uint8_t* line = image.Line(y);
    if (image.GetBitCount() == 8) {
        line[x] = std::uint8_t(value);
        return;
    }
    std::memcpy(line + x * 3, &value, 3);
}

// The fill as plainly as it can be written: a breadth-first walk of the 4-neighbours.
std::uint64_t ReferenceFill(COXDIB& image, int x, int y, std::uint32_t fill) {
    const DibSize size = image.GetSize();
    const std::uint32_t old = PixelAt(image, x, y);
    if (old == fill) return 0;
    std::uint64_t painted = 0;
    std::deque<std::pair<int, int>> queue{{x, y}};
    SetPixel(image, x, y, fill);
    while (!queue.empty()) {
        const auto [px, py] = queue.front();
        queue.pop_front();
        ++painted;
        const int next[4][2] = {{px - 1, py}, {px + 1, py}, {px, py - 1}, {px, py + 1}};
        for (const auto& n : next) {
            if (n[0] < 0 || n[1] < 0 || n[0] >= size.width || n[1] >= size.height) continue;
            if (PixelAt(image, n[0], n[1]) != old) continue;
            SetPixel(image, n[0], n[1], fill);
            queue.push_back({n[0], n[1]});
        }
    }
    return painted;
}

void FillAll(COXDIB& image, std::uint32_t value) {
    const DibSize size = image.GetSize();
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) SetPixel(image, x, y, value);
}

bool SamePixels(const COXDIB& a, const COXDIB& b) {
    const DibSize size = a.GetSize();
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x)
            if (PixelAt(a, x, y) != PixelAt(b, x, y)) return false;
    return true;
}

TEST(FloodFillTest, FillingWithTheSeedsOwnColourChangesNothing) {
    const auto table = Table();
    COXDIB palette;
    ASSERT_TRUE(palette.CreateBlank(8, 6, 4));
    FillAll(palette, 3);
    PaintTarget target = TargetFor(palette, table);
    EXPECT_EQ(FloodFill(target, 2, 2, 3), 0u);

    COXDIB rgb;
    ASSERT_TRUE(rgb.CreateBlank(24, 6, 4));
    const ColourRef five = table[5];
    FillAll(rgb, BlueOf(five) | GreenOf(five) << 8 | RedOf(five) << 16);
    PaintTarget rgbTarget = TargetFor(rgb, table);
    EXPECT_EQ(FloodFill(rgbTarget, 1, 1, 5), 0u);
    EXPECT_EQ(PixelAt(rgb, 1, 1), std::uint32_t(BlueOf(five) | GreenOf(five) << 8 | RedOf(five) << 16));

    // The other table colour is written in the image's blue, green, red order.
    EXPECT_EQ(FloodFill(rgbTarget, 1, 1, 9), 24u);
    const std::uint8_t* p = rgb.Line(3) + 5 * 3;
    EXPECT_EQ(p[0], BlueOf(table[9]));
    EXPECT_EQ(p[1], GreenOf(table[9]));
    EXPECT_EQ(p[2], RedOf(table[9]));

    // Out of the picture, nothing.
    EXPECT_EQ(FloodFill(target, 6, 0, 1), 0u);
    EXPECT_EQ(FloodFill(target, 0, -1, 1), 0u);
}

TEST(FloodFillTest, AProtectedSeedColourIsNotFilled) {
    const auto table = Table();
    COXDIB image;
    ASSERT_TRUE(image.CreateBlank(8, 5, 5));
    FillAll(image, 4);
    PaintTarget target = TargetFor(image, table);
    target.isProtected = [](std::uint8_t index) { return index == 4; };
    EXPECT_EQ(FloodFill(target, 2, 2, 1), 0u);
    EXPECT_EQ(PixelAt(image, 2, 2), 4u);
    target.isProtected = [](std::uint8_t index) { return index == 1; };
    EXPECT_EQ(FloodFill(target, 2, 2, 1), 25u);
}

TEST(FloodFillTest, ADiagonalLineIsNeverCrossed) {
    const auto table = Table();
    for (const std::uint16_t bits : {8, 24}) {
        const std::uint32_t line = bits == 8 ? 5u : 0x050505u;
        COXDIB image;
        ASSERT_TRUE(image.CreateBlank(bits, 10, 10));
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) SetPixel(image, x, y, x == y ? line : 0u);
        PaintTarget target = TargetFor(image, table);
        // Below the line; the triangle above touches it only at the corners.
        EXPECT_EQ(FloodFill(target, 0, 9, 7), 45u) << bits;
        const std::uint32_t seven = PixelAt(image, 0, 9);
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 10; ++x) {
                const std::uint32_t expected = x < y ? seven : x == y ? line : 0u;
                EXPECT_EQ(PixelAt(image, x, y), expected) << bits << ": " << x << "," << y;
            }
        }
    }
}

// Random pictures of a few colours make many small and oddly shaped areas; the fill
// must paint exactly what the plain walk paints, whatever the depth and the row padding.
TEST(FloodFillTest, MatchesAPlainWalkOnRandomPictures) {
    const auto table = Table();
    std::mt19937 random(1234);
    const DibSize sizes[] = {{1, 1}, {1, 40}, {40, 1}, {37, 23}, {64, 64}, {101, 7}};
    for (const std::uint16_t bits : {8, 24}) {
        for (const DibSize size : sizes) {
            for (int round = 0; round < 12; ++round) {
                COXDIB image;
                COXDIB expected;
                ASSERT_TRUE(image.CreateBlank(bits, size.width, size.height));
                ASSERT_TRUE(expected.CreateBlank(bits, size.width, size.height));
                const int colours = 2 + round % 3;
                for (int y = 0; y < size.height; ++y) {
                    for (int x = 0; x < size.width; ++x) {
                        const int index = int(random() % unsigned(colours));
                        std::uint32_t value = std::uint32_t(index);
                        if (bits == 24) {
                            const ColourRef c = table[std::size_t(index)];
                            value = BlueOf(c) | GreenOf(c) << 8 | RedOf(c) << 16;
                        }
                        SetPixel(image, x, y, value);
                        SetPixel(expected, x, y, value);
                    }
                }
                const int sx = int(random() % unsigned(size.width));
                const int sy = int(random() % unsigned(size.height));
                const int colour = int(random() % unsigned(colours + 1));
                std::uint32_t fill = std::uint32_t(colour);
                if (bits == 24) {
                    const ColourRef c = table[std::size_t(colour)];
                    fill = BlueOf(c) | GreenOf(c) << 8 | RedOf(c) << 16;
                }
                const std::uint64_t want = ReferenceFill(expected, sx, sy, fill);
                PaintTarget target = TargetFor(image, table);
                EXPECT_EQ(FloodFill(target, sx, sy, colour), want);
                EXPECT_TRUE(SamePixels(image, expected))
                    << bits << " bits, " << size.width << "x" << size.height << ", round " << round;
            }
        }
    }
}

}  // namespace
}  // namespace quillor

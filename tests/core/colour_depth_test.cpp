// Changing a frame's number of colours: what each direction keeps (pixels, table
// entries), the black-and-white table of 2 colours with dark pixels black, and the
// index ranges of reduced pictures.

#include "core/colour_depth.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>
#include <utility>
#include <vector>

#include "core/colour_quantise.h"

namespace quillor {
namespace {

constexpr TableWord kBlack = 0x000000, kWhite = 0xFFFFFF;
constexpr ConversionMethod kMethods[] = {ConversionMethod::BestMatch, ConversionMethod::TwoValueDither,
                                         ConversionMethod::FloydSteinbergDither};

void MakeTrueColour(COXDIB& image, int width, int height, const std::function<TableWord(int, int)>& colour) {
    ASSERT_TRUE(image.CreateBlank(24, width, height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const TableWord w = colour(x, y);
            std::uint8_t* p = image.Line(y) + x * 3;
            p[0] = std::uint8_t(w), p[1] = std::uint8_t(w >> 8), p[2] = std::uint8_t(w >> 16);
        }
}

TableWord PixelWord(const COXDIB& image, int x, int y) {
    const std::uint8_t* p = image.Line(y) + x * (image.GetBitCount() / 8);
    if (image.GetBitCount() == 8) return image.GetTableWord(p[0]);
    return TableWord(p[2]) << 16 | TableWord(p[1]) << 8 | p[0];
}

int LargestIndex(const COXDIB& image) {
    int largest = 0;
    for (int y = 0; y < image.GetSize().height; ++y)
        for (int x = 0; x < image.GetSize().width; ++x) largest = std::max<int>(largest, image.Line(y)[x]);
    return largest;
}

void ExpectDefaultFrom(const COXDIB& image, int first) {
    for (int i = first; i < 256; ++i)
        ASSERT_EQ(image.GetTableWord(std::uint8_t(i)), DefaultColourTable()[std::size_t(i)]) << "entry " << i;
}

TEST(ConvertColourDepth, SixteenDistinctColoursKeepEveryPixel) {
    COXDIB image;
    const auto colour = [](int x, int y) {
        return MakeTableWord(std::uint8_t(x * 85), std::uint8_t(y * 85), std::uint8_t(255 - x * 40 - y * 20));
    };
    MakeTrueColour(image, 4, 4, colour);
    ASSERT_TRUE(ConvertColourDepth(image, ColourMode::TrueColour, ColourMode::Colours16, ConversionMethod::BestMatch));
    ASSERT_EQ(image.GetBitCount(), 8);
    EXPECT_EQ(image.GetColourCount(), 256);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(PixelWord(image, x, y), colour(x, y)) << x << "," << y;
    EXPECT_LT(LargestIndex(image), 16);
    ExpectDefaultFrom(image, 16);
}

TEST(ConvertColourDepth, TwoColoursAreBlackAndWhiteWithDarkPixelsBlack) {
    // White comes first out of the quantiser; it must still end up white.
    const std::vector<std::function<TableWord(int, int)>> pictures = {
        [](int x, int y) { return (x + y) % 3 ? kWhite : kBlack; },
        [](int x, int) { return x < 3 ? TableWord(0x101060) : TableWord(0xF0F020); },  // dark blue, yellow
        [](int x, int) { return x < 3 ? TableWord(0xE0E0FF) : TableWord(0x202000); },
    };
    for (std::size_t i = 0; i < pictures.size(); ++i)
        for (ConversionMethod method : kMethods) {
            COXDIB image;
            MakeTrueColour(image, 6, 5, pictures[i]);
            ASSERT_TRUE(ConvertColourDepth(image, ColourMode::TrueColour, ColourMode::Mono, method));
            EXPECT_EQ(image.GetTableWord(0), kBlack);
            EXPECT_EQ(image.GetTableWord(1), kWhite);
            ExpectDefaultFrom(image, 2);
            for (int y = 0; y < 5; ++y)
                for (int x = 0; x < 6; ++x) {
                    const bool dark = (pictures[i](x, y) & 0xFF00) < 0x8000;
                    ASSERT_EQ(image.Line(y)[x], dark ? 0 : 1) << "picture " << i << " at " << x << "," << y;
                }
        }
}

TEST(ConvertColourDepth, OneColourBecomesBlackOrWhiteByItsLightness) {
    for (TableWord grey : {0x303030u, 0xC0C0C0u, 0x000000u, 0xFFFFFFu}) {
        COXDIB image;
        MakeTrueColour(image, 3, 2, [&](int, int) { return grey; });
        ASSERT_TRUE(
            ConvertColourDepth(image, ColourMode::TrueColour, ColourMode::Mono, ConversionMethod::FloydSteinbergDither));
        EXPECT_EQ(PixelWord(image, 2, 1), grey < 0x808080 ? kBlack : kWhite) << std::hex << grey;
        EXPECT_EQ(LargestIndex(image), grey < 0x808080 ? 0 : 1);
    }
}

TEST(ConvertColourDepth, PaletteFrameToTwoColoursQuantisesItsOwnColours) {
    // A 16-colour frame whose entry 0 is black and entry 1 white but most pixels use
    // light and dark greys further up the table.
    COXDIB image;
    ASSERT_TRUE(image.CreateBlank(8, 8, 2));
    image.SetTableWord(3, 0xD0D0D0);
    image.SetTableWord(5, 0x202020);
    for (int x = 0; x < 8; ++x) image.Line(0)[x] = 3, image.Line(1)[x] = 5;
    ASSERT_TRUE(ConvertColourDepth(image, ColourMode::Colours16, ColourMode::Mono, ConversionMethod::BestMatch));
    EXPECT_EQ(PixelWord(image, 4, 0), kWhite);
    EXPECT_EQ(PixelWord(image, 4, 1), kBlack);
}

TEST(ConvertColourDepth, MoreColoursKeepPixelsAndFormerColours) {
    const struct {
        ColourMode from, to;
        int kept;
    } cases[] = {{ColourMode::Mono, ColourMode::Colours16, 2},
                 {ColourMode::Mono, ColourMode::Colours256, 2},
                 {ColourMode::Colours16, ColourMode::Colours256, 16}};
    for (const auto& c : cases) {
        COXDIB image;
        ASSERT_TRUE(image.CreateBlank(8, 5, 3));
        for (int i = 0; i < 256; ++i) image.SetTableWord(std::uint8_t(i), 0x010203u * std::uint32_t(i % 80 + 1));
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) image.Line(y)[x] = std::uint8_t((x * 3 + y) % c.kept);
        COXDIB before;
        ASSERT_TRUE(image.CopyTo(before));
        ASSERT_TRUE(ConvertColourDepth(image, c.from, c.to, ConversionMethod::FloydSteinbergDither));
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) ASSERT_EQ(image.Line(y)[x], before.Line(y)[x]);
        for (int i = 0; i < c.kept; ++i) EXPECT_EQ(image.GetTableWord(std::uint8_t(i)), before.GetTableWord(std::uint8_t(i)));
        ExpectDefaultFrom(image, c.kept);
    }
}

TEST(ConvertColourDepth, TrueColourTakesEachPixelsTableColour) {
    for (ColourMode from : {ColourMode::Mono, ColourMode::Colours16, ColourMode::Colours256}) {
        COXDIB image;
        ASSERT_TRUE(image.CreateBlank(8, 7, 3));
        const int count = from == ColourMode::Mono ? 2 : from == ColourMode::Colours16 ? 16 : 256;
        for (int i = 0; i < 256; ++i) image.SetTableWord(std::uint8_t(i), 0xFFFFFFu - 0x010305u * std::uint32_t(i));
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 7; ++x) image.Line(y)[x] = std::uint8_t((x * 37 + y * 11) % count);
        COXDIB before;
        ASSERT_TRUE(image.CopyTo(before));
        ASSERT_TRUE(ConvertColourDepth(image, from, ColourMode::TrueColour, ConversionMethod::BestMatch));
        ASSERT_EQ(image.GetBitCount(), 24);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 7; ++x) ASSERT_EQ(PixelWord(image, x, y), PixelWord(before, x, y));
    }
}

TEST(ConvertColourDepth, ReducedIndicesStayBelowTheModesCountAndTableIsThePalette) {
    std::mt19937 random(3);
    COXDIB source;
    MakeTrueColour(source, 61, 37, [&](int x, int y) {
        return MakeTableWord(std::uint8_t(x * 4 + random() % 9), std::uint8_t(y * 6 + random() % 9),
                             std::uint8_t(random()));
    });
    std::array<TableWord, 256> palette{};
    for (auto [to, count] : {std::pair{ColourMode::Mono, 2}, std::pair{ColourMode::Colours16, 16},
                             std::pair{ColourMode::Colours256, 256}}) {
        for (ConversionMethod method : kMethods) {
            COXDIB image;
            ASSERT_TRUE(source.CopyTo(image));
            ASSERT_TRUE(ConvertColourDepth(image, ColourMode::TrueColour, to, method));
            EXPECT_LT(LargestIndex(image), count);
            EXPECT_GT(LargestIndex(image), count / 2 - 1);
            if (to == ColourMode::Mono) continue;
            COXDIB copy;
            ASSERT_TRUE(source.CopyTo(copy));
            ASSERT_TRUE(QuantiseColours(DibRows(std::as_const(copy)), count, palette.data()));
            for (int i = 0; i < count; ++i) ASSERT_EQ(image.GetTableWord(std::uint8_t(i)), palette[std::size_t(i)]);
            ExpectDefaultFrom(image, count);
        }
    }
}

TEST(ConvertColourDepth, RefusesSameModeOrWrongDepthAndLeavesTheImage) {
    COXDIB image;
    ASSERT_TRUE(image.CreateBlank(8, 4, 4));
    image.Line(0)[0] = 9;
    EXPECT_FALSE(ConvertColourDepth(image, ColourMode::Colours256, ColourMode::Colours256, ConversionMethod::BestMatch));
    EXPECT_FALSE(ConvertColourDepth(image, ColourMode::TrueColour, ColourMode::Colours16, ConversionMethod::BestMatch));
    COXDIB empty;
    EXPECT_FALSE(ConvertColourDepth(empty, ColourMode::Colours256, ColourMode::TrueColour, ConversionMethod::BestMatch));
    EXPECT_EQ(image.GetBitCount(), 8);
    EXPECT_EQ(image.Line(0)[0], 9);
}

}  // namespace
}  // namespace quillor

#include "filters/colour_adjust.h"

#include <gtest/gtest.h>

#include "filter_pictures.h"
#include "filters/filter_applicability.h"

namespace quillor {
namespace {

using testing::FromImage;
using testing::RandomPicture;
using testing::RgbPicture;
using testing::ToImage;

COXDIB OnePixel(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    RgbPicture p(1, 1);
    p.at(0, 0, 0) = r, p.at(0, 0, 1) = g, p.at(0, 0, 2) = b;
    return ToImage(p);
}

std::vector<std::uint8_t> Rgb(const COXDIB& image) { return FromImage(image).bytes; }

COXDIB PaletteImage(std::initializer_list<ColourRef> entries) {
    COXDIB image;
    image.CreateBlank(8, 2, 2);
    std::uint8_t i = 0;
    for (ColourRef c : entries) image.SetColour(i++, c);
    return image;
}

COXDIB CopyOf(const COXDIB& image) {
    COXDIB copy;
    image.CopyTo(copy);
    return copy;
}

TEST(BlackAndWhiteTest, TakesTheIntegerMeanOfTheChannels) {
    COXDIB image = OnePixel(10, 20, 31);
    ASSERT_TRUE(BlackAndWhite(image, ColourMode::TrueColour));
    EXPECT_EQ(Rgb(image), (std::vector<std::uint8_t>{20, 20, 20}));

    COXDIB palette = PaletteImage({MakeColour(10, 20, 31), MakeColour(255, 0, 1)});
    ASSERT_TRUE(BlackAndWhite(palette, ColourMode::Colours256));
    EXPECT_EQ(palette.GetColour(0), MakeColour(20, 20, 20));
    EXPECT_EQ(palette.GetColour(1), MakeColour(85, 85, 85));
}

TEST(NegativeTest, InvertsEveryChannelAndTwiceGivesTheImageBack) {
    const RgbPicture picture = RandomPicture(5, 3, 11);
    COXDIB image = ToImage(picture);
    ASSERT_TRUE(Negative(image, ColourMode::TrueColour));
    for (std::size_t i = 0; i < picture.bytes.size(); ++i) EXPECT_EQ(Rgb(image)[i], 255 - picture.bytes[i]);
    ASSERT_TRUE(Negative(image, ColourMode::TrueColour));
    EXPECT_EQ(Rgb(image), picture.bytes);
}

TEST(NegativeTest, ChangesOnlyTheEntriesOfTheFramesMode) {
    COXDIB mono = PaletteImage({MakeColour(0, 0, 0), MakeColour(255, 255, 255), MakeColour(1, 2, 3)});
    const std::uint8_t indices = mono.GetBits()[0];
    ASSERT_TRUE(Negative(mono, ColourMode::Mono));
    EXPECT_EQ(mono.GetColour(0), MakeColour(255, 255, 255));
    EXPECT_EQ(mono.GetColour(1), MakeColour(0, 0, 0));
    EXPECT_EQ(mono.GetColour(2), MakeColour(1, 2, 3));
    EXPECT_EQ(mono.GetBits()[0], indices);
}

TEST(ColourBalanceTest, OffsetsAreTruncatedPercentagesOf255) {
    EXPECT_EQ(BalanceOffset(50), 127);
    EXPECT_EQ(BalanceOffset(1), 2);
    EXPECT_EQ(BalanceOffset(-50), -127);
    EXPECT_EQ(BalanceOffset(100), 255);
}

TEST(ColourBalanceTest, ShiftsEachChannelByItsOwnSlider) {
    const COXDIB original = OnePixel(10, 100, 200);
    COXDIB image = CopyOf(original);
    ASSERT_TRUE(ColourBalance(original, image, ColourMode::TrueColour, {100, 0, 0}));
    EXPECT_EQ(Rgb(image), (std::vector<std::uint8_t>{255, 100, 200}));
    ASSERT_TRUE(ColourBalance(original, image, ColourMode::TrueColour, {-100, 0, 0}));
    EXPECT_EQ(Rgb(image), (std::vector<std::uint8_t>{0, 100, 200}));
    // Always from the original, so the two moves above do not add up.
    ASSERT_TRUE(ColourBalance(original, image, ColourMode::TrueColour, {0, -20, 30}));
    EXPECT_EQ(Rgb(image), (std::vector<std::uint8_t>{10, 49, 255}));

    const COXDIB palette = PaletteImage({MakeColour(10, 100, 200)});
    COXDIB adjusted = CopyOf(palette);
    ASSERT_TRUE(ColourBalance(palette, adjusted, ColourMode::Colours256, {0, -20, 30}));
    EXPECT_EQ(adjusted.GetColour(0), MakeColour(10, 49, 255));
}

TEST(ColourBalanceTest, TheLockMovesTheOtherSlidersByTheSameStep) {
    const ColourBalanceValues start{80, 0, -90};
    EXPECT_EQ(MoveBalanceSlider(start, BalanceChannel::Green, 30, true), (ColourBalanceValues{100, 30, -60}));
    EXPECT_EQ(MoveBalanceSlider(start, BalanceChannel::Green, 30, false), (ColourBalanceValues{80, 30, -90}));
    EXPECT_EQ(MoveBalanceSlider(start, BalanceChannel::Red, 40, true), (ColourBalanceValues{40, -40, -100}));
    EXPECT_EQ(MoveBalanceSlider(start, BalanceChannel::Blue, -200, false), (ColourBalanceValues{80, 0, -100}));
}

TEST(ContrastTest, PaletteTablesStretchAboutTheirMeanBrightness) {
    // Mean of the two entries' greys: (60 + 120) / 2 = 90.
    const COXDIB palette = PaletteImage({MakeColour(60, 60, 60), MakeColour(120, 120, 120), MakeColour(9, 9, 9)});
    COXDIB image = CopyOf(palette);
    auto entries = [&](int value) {
        EXPECT_TRUE(Contrast(palette, image, ColourMode::Mono, value));
        return std::vector<ColourRef>{image.GetColour(0), image.GetColour(1), image.GetColour(2)};
    };
    const ColourRef untouched = MakeColour(9, 9, 9);
    EXPECT_EQ(entries(0), (std::vector<ColourRef>{MakeColour(60, 60, 60), MakeColour(120, 120, 120), untouched}));
    EXPECT_EQ(entries(50), (std::vector<ColourRef>{MakeColour(30, 30, 30), MakeColour(180, 180, 180), untouched}));
    EXPECT_EQ(entries(100), (std::vector<ColourRef>{0, MakeColour(240, 240, 240), untouched}));
    EXPECT_EQ(entries(-50), (std::vector<ColourRef>{MakeColour(30, 30, 30), MakeColour(60, 60, 60), untouched}));
    EXPECT_EQ(entries(-100), (std::vector<ColourRef>{0, 0, untouched}));
}

TEST(ContrastTest, TrueColourGoesThroughTheCurveFromTheOriginal) {
    const COXDIB original = OnePixel(127, 128, 200);
    COXDIB image = CopyOf(original);
    ASSERT_TRUE(Contrast(original, image, ColourMode::TrueColour, 100));
    EXPECT_EQ(Rgb(image), (std::vector<std::uint8_t>{0, 255, 255}));
    ASSERT_TRUE(Contrast(original, image, ColourMode::TrueColour, 0));
    EXPECT_EQ(Rgb(image), Rgb(original));
}

TEST(GammaTest, BrightensTrueColourAndRefusesPalettes) {
    const COXDIB original = OnePixel(64, 0, 255);
    COXDIB image = CopyOf(original);
    ASSERT_TRUE(Gamma(original, image, 100));
    EXPECT_EQ(Rgb(image), (std::vector<std::uint8_t>{128, 0, 255}));
    ASSERT_TRUE(Gamma(original, image, -100));
    EXPECT_EQ(Rgb(image), Rgb(original));

    const COXDIB palette = PaletteImage({MakeColour(64, 64, 64)});
    COXDIB copy = CopyOf(palette);
    EXPECT_FALSE(Gamma(palette, copy, 100));
    EXPECT_EQ(copy.GetColour(0), MakeColour(64, 64, 64));
}

TEST(ColourAdjustTest, RefuseImagesThatDoNotMatchTheirOriginal) {
    const COXDIB original = OnePixel(1, 2, 3);
    COXDIB other;
    other.CreateBlank(24, 2, 1);
    EXPECT_FALSE(ColourBalance(original, other, ColourMode::TrueColour, {10, 10, 10}));
    EXPECT_FALSE(Contrast(original, other, ColourMode::TrueColour, 10));
    COXDIB empty;
    EXPECT_FALSE(Negative(empty, ColourMode::TrueColour));
}

TEST(FilterApplicabilityTest, OnlyTableAdjustmentsWorkOnPaletteFrames) {
    const PixelOperation all[] = {PixelOperation::Sharpen,       PixelOperation::Despeckle,
                                  PixelOperation::Blur,          PixelOperation::Simplify,
                                  PixelOperation::AutoBrightness, PixelOperation::BlackAndWhite,
                                  PixelOperation::Negative,      PixelOperation::ColourBalance,
                                  PixelOperation::Contrast,      PixelOperation::Gamma};
    for (PixelOperation op : all) {
        EXPECT_TRUE(OperationApplies(op, ColourMode::TrueColour));
        const bool table = op == PixelOperation::BlackAndWhite || op == PixelOperation::Negative ||
                           op == PixelOperation::ColourBalance || op == PixelOperation::Contrast;
        for (ColourMode mode : {ColourMode::Mono, ColourMode::Colours16, ColourMode::Colours256})
            EXPECT_EQ(OperationApplies(op, mode), table) << int(op);
    }
    EXPECT_STREQ(NotTrueColourMessage(PixelOperation::Simplify), NotTrueColourMessage(PixelOperation::Blur));
}

}  // namespace
}  // namespace quillor

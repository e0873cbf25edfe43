// The palette window's HSV model.

#include "palette/colour_models.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace quillor {
namespace {

TEST(HsvToRgb, TheSixSectorsAndTheGreys) {
    EXPECT_EQ(HsvToRgb(0, 100, 100), MakeColour(255, 0, 0));
    EXPECT_EQ(HsvToRgb(120, 100, 50), MakeColour(0, 127, 0));  // trunc(0.5 x 255)
    EXPECT_EQ(HsvToRgb(60, 100, 100), MakeColour(255, 255, 0));
    EXPECT_EQ(HsvToRgb(180, 100, 100), MakeColour(0, 255, 255));
    EXPECT_EQ(HsvToRgb(240, 100, 100), MakeColour(0, 0, 255));
    EXPECT_EQ(HsvToRgb(300, 100, 100), MakeColour(255, 0, 255));
    EXPECT_EQ(HsvToRgb(30, 100, 100), MakeColour(255, 127, 0));   // t = 0.5 x 255
    EXPECT_EQ(HsvToRgb(90, 50, 100), MakeColour(191, 255, 127));  // q = 0.75, p = 0.5
    EXPECT_EQ(HsvToRgb(360, 100, 100), MakeColour(255, 0, 0));    // a full turn is 0
    EXPECT_EQ(HsvToRgb(200, 0, 40), MakeColour(102, 102, 102));   // no saturation: grey
    EXPECT_EQ(HsvToRgb(0, 0, 0), MakeColour(0, 0, 0));
}

TEST(RgbToHsv, HueSaturationAndValueAsTheSlidersShowThem) {
    auto sliders = [](ColourRef c) {
        const Hsv hsv = RgbToHsv(c);
        return std::vector<int>{int(hsv.h), int(hsv.s * 100), int(hsv.v * 100)};
    };
    EXPECT_EQ(sliders(MakeColour(255, 0, 0)), (std::vector<int>{0, 100, 100}));
    EXPECT_EQ(sliders(MakeColour(0, 128, 0)), (std::vector<int>{120, 100, 50}));
    EXPECT_EQ(sliders(MakeColour(0, 0, 255)), (std::vector<int>{240, 100, 100}));
    EXPECT_EQ(sliders(MakeColour(255, 0, 21)), (std::vector<int>{355, 100, 100}));  // negative, turned
    EXPECT_EQ(sliders(MakeColour(200, 100, 100)), (std::vector<int>{0, 50, 78}));
    EXPECT_EQ(sliders(MakeColour(70, 70, 70)), (std::vector<int>{0, 0, 27}));  // grey: hue 0
    EXPECT_EQ(sliders(MakeColour(0, 0, 0)), (std::vector<int>{0, 0, 0}));
}

TEST(ColourModels, AColourComesBackThroughHsvWithinTheTruncation) {
    std::mt19937 random(99);
    for (int n = 0; n < 200000; ++n) {
        const ColourRef c = random() & 0xFFFFFFu;
        const Hsv hsv = RgbToHsv(c);
        const ColourRef back = HsvToRgb(hsv.h, hsv.s * 100, hsv.v * 100);
        ASSERT_LE(std::abs(RedOf(back) - RedOf(c)), 1) << std::hex << c;
        ASSERT_LE(std::abs(GreenOf(back) - GreenOf(c)), 1) << std::hex << c;
        ASSERT_LE(std::abs(BlueOf(back) - BlueOf(c)), 1) << std::hex << c;
    }
}

}  // namespace
}  // namespace quillor

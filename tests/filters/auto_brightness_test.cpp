#include "filters/auto_brightness.h"

#include <gtest/gtest.h>

#include "filter_pictures.h"

namespace quillor {
namespace {

using testing::FromImage;
using testing::RgbPicture;
using testing::ToImage;

void SetPixel(RgbPicture& p, int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    p.at(x, y, 0) = r, p.at(x, y, 1) = g, p.at(x, y, 2) = b;
}

// Greys 29 (0.299 x 100) and 58 (0.587 x 100), one pixel each, and a black one that
// neither counts nor moves: 29 maps to 1 x 255 / 2 = 127 and 58 to 255.
RgbPicture TwoGreys() {
    RgbPicture p(3, 1);
    SetPixel(p, 0, 0, 100, 0, 0);
    SetPixel(p, 1, 0, 0, 100, 0);
    SetPixel(p, 2, 0, 0, 0, 0);
    return p;
}

TEST(AutoBrightnessTest, SpreadsTheGreysByTheirCumulativeCount) {
    RgbPicture p = TwoGreys();
    ASSERT_TRUE(AutoBrightness(p.data(), 3, 1));
    // Shifts of 29 - 127 = -98 and 58 - 255 = -197, limited at white.
    EXPECT_EQ(p.bytes, (std::vector<std::uint8_t>{198, 98, 98, 197, 255, 197, 0, 0, 0}));
}

TEST(AutoBrightnessTest, AFrameGivesWhatItsWorkingBufferGives) {
    // Red and blue weigh differently, so reading them swapped would show.
    RgbPicture p = TwoGreys();
    SetPixel(p, 2, 0, 10, 40, 200);
    COXDIB image = ToImage(p);
    ASSERT_TRUE(AutoBrightnessImage(image));
    ASSERT_TRUE(AutoBrightness(p.data(), 3, 1));
    EXPECT_EQ(FromImage(image).bytes, p.bytes);

    COXDIB palette;
    palette.CreateBlank(8, 2, 2);
    EXPECT_FALSE(AutoBrightnessImage(palette));
}

TEST(AutoBrightnessTest, LeavesBlackAndWhitePicturesAlone) {
    RgbPicture p(4, 2, 0);
    SetPixel(p, 1, 0, 255, 255, 255);
    SetPixel(p, 2, 1, 255, 255, 255);
    const RgbPicture before = p;
    ASSERT_TRUE(AutoBrightness(p.data(), 4, 2));
    EXPECT_EQ(p.bytes, before.bytes);
}

}  // namespace
}  // namespace quillor

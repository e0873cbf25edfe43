#include "filters/tone_curves.h"

#include <gtest/gtest.h>

#include "filter_pictures.h"

namespace quillor {
namespace {

using testing::RgbPicture;

TEST(ContrastTableTest, NoContrastIsTheIdentity) {
    const ToneTable table = ContrastTable(0, 0);
    for (int v = 0; v < 256; ++v) EXPECT_EQ(table[std::size_t(v)], v);
}

TEST(ContrastTableTest, FullContrastIsAThresholdAt128) {
    const ToneTable table = ContrastTable(0, 1);
    for (int v = 0; v < 256; ++v) EXPECT_EQ(table[std::size_t(v)], v < 128 ? 0 : 255) << v;
    // Beyond the range acts as the range's end.
    EXPECT_EQ(ContrastTable(0, 7), table);
}

TEST(ContrastTableTest, LeastContrastFoldsEverythingOntoTheMiddle) {
    const ToneTable table = ContrastTable(0, -1);
    for (int v = 0; v < 256; ++v) EXPECT_EQ(table[std::size_t(v)], v < 128 ? 127 : 128) << v;
}

TEST(ContrastTableTest, HalfContrastFollowsItsFourSegments) {
    // Points (63.5, 0), (95.75, 32), (128, 128), (159.75, 223.25), (191.5, 255).
    const ToneTable t = ContrastTable(0, 0.5);
    EXPECT_EQ(t[0], 0);
    EXPECT_EQ(t[62], 0);   // before the first segment: the starting table
    EXPECT_EQ(t[65], 1);   // 2 x 32 / 32.25
    EXPECT_EQ(t[95], 32);  // the second segment overwrites the first one's 31.75
    EXPECT_EQ(t[96], 34);  // 32 + 96 / 32.25
    EXPECT_EQ(t[127], 127);
    EXPECT_EQ(t[128], 128);
    EXPECT_EQ(t[129], 131);
    EXPECT_EQ(t[159], 223);  // the last segment starts at 223.25
    EXPECT_EQ(t[160], 224);
    EXPECT_EQ(t[191], 255);  // 255.25, limited
    EXPECT_EQ(t[255], 255);
}

TEST(ContrastTableTest, BrightnessLiftsEveryPoint) {
    // Points (0, 127.5), (64, 191.5), (128, 255), (191.5, 255), (255, 255).
    const ToneTable t = ContrastTable(0.5, 0);
    EXPECT_EQ(t[0], 127);
    EXPECT_EQ(t[1], 128);
    EXPECT_EQ(t[64], 191);
    EXPECT_EQ(t[127], 254);
    EXPECT_EQ(t[200], 255);
    const ToneTable dark = ContrastTable(-1, 0);
    for (int v = 0; v < 256; ++v) EXPECT_EQ(dark[std::size_t(v)], 0) << v;
}

TEST(GammaTableTest, GammaTwoTakesTheSquareRoot) {
    const ToneTable t = *GammaTable(2);
    EXPECT_EQ(t[64], 128);  // 256 x 0.25^0.5
    EXPECT_EQ(t[0], 0);
    EXPECT_EQ(t[16], 64);
    EXPECT_EQ(t[2], 22);  // 16 x sqrt(2) = 22.6, truncated
    EXPECT_EQ(t[255], 255);
    EXPECT_EQ((*GammaTable(0.5))[128], 64);  // 256 x 0.5^2
}

TEST(GammaTableTest, GammaOneAndZeroChangeNothingAndNegativeIsRefused) {
    for (double g : {1.0, 0.0}) {
        const ToneTable t = *GammaTable(g);
        for (int v = 0; v < 256; ++v) EXPECT_EQ(t[std::size_t(v)], v) << g;
    }
    EXPECT_FALSE(GammaTable(-0.5));
}

TEST(ToneCurvesTest, MapEveryChannelOfTheBuffer) {
    RgbPicture p(2, 1);
    p.at(0, 0, 0) = 64, p.at(0, 0, 1) = 16, p.at(0, 0, 2) = 0;
    p.at(1, 0, 0) = 255, p.at(1, 0, 1) = 128, p.at(1, 0, 2) = 127;
    RgbPicture gamma = p;
    ASSERT_TRUE(GammaCurve(gamma.data(), 2, 1, 2.0));
    EXPECT_EQ(gamma.bytes, (std::vector<std::uint8_t>{128, 64, 0, 255, 181, 180}));

    RgbPicture refused = p;
    EXPECT_FALSE(GammaCurve(refused.data(), 2, 1, -1));
    EXPECT_EQ(refused.bytes, p.bytes);

    RgbPicture contrast = p;
    ASSERT_TRUE(ContrastCurve(contrast.data(), 2, 1, 0, 1));
    EXPECT_EQ(contrast.bytes, (std::vector<std::uint8_t>{0, 0, 0, 255, 255, 0}));
}

}  // namespace
}  // namespace quillor

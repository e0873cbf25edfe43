#include "filters/despeckle.h"

#include <gtest/gtest.h>

#include "filter_pictures.h"

namespace quillor {
namespace {

using testing::FromImage;
using testing::RandomPicture;
using testing::RgbPicture;
using testing::ToImage;

RgbPicture Despeckled(RgbPicture p) {
    EXPECT_TRUE(Despeckle(p.data(), p.width, p.height));
    return p;
}

bool Inside(int x, int y, int width, int height, int margin) {
    return x >= margin && y >= margin && x < width - margin && y < height - margin;
}

TEST(DespeckleTest, LowersALonePixelAgainstTheBlackOutsideIt) {
    // Alone in the picture every neighbour is outside, so each of the eight lowering
    // adjustments takes two steps off while the value stays above 1.
    EXPECT_EQ(Despeckled(RgbPicture(1, 1, 100)).bytes, RgbPicture(1, 1, 84).bytes);
    EXPECT_EQ(Despeckled(RgbPicture(1, 1, 3)).bytes, RgbPicture(1, 1, 1).bytes);
    EXPECT_EQ(Despeckled(RgbPicture(1, 1, 1)).bytes, RgbPicture(1, 1, 1).bytes);
}

TEST(DespeckleTest, RaisesADarkSpeckAndLowersALightOne) {
    RgbPicture in(9, 9, 100);
    in.SetGrey(4, 4, 60);
    in.at(6, 2, 1) = 160;  // green only: the other channels must not notice
    const RgbPicture out = Despeckled(in);
    for (int c = 0; c < 3; ++c) {
        EXPECT_GT(out.at(4, 4, c), 60);
        EXPECT_LE(out.at(4, 4, c), 100);
    }
    EXPECT_LT(out.at(6, 2, 1), 160);
    EXPECT_GE(out.at(6, 2, 1), 100);
    EXPECT_EQ(out.at(6, 2, 0), 100);
    EXPECT_EQ(out.at(6, 2, 2), 100);
}

TEST(DespeckleTest, LeavesFlatAreasAloneAwayFromTheEdge) {
    // White too: with 255 + 1 wrapping to 0 every white pixel would look lighter than
    // its neighbours and be worn down.
    for (int level : {100, 254, 255}) {
        const RgbPicture in(9, 7, std::uint8_t(level));
        const RgbPicture out = Despeckled(in);
        for (int y = 0; y < in.height; ++y)
            for (int x = 0; x < in.width; ++x) {
                const int v = out.at(x, y, 0);
                // Eight lowering adjustments of at most two steps each.
                const int lowest = Inside(x, y, 9, 7, 2) ? level : level - 16;
                EXPECT_TRUE(v <= level && v >= lowest) << level << " at " << x << "," << y << ": " << v;
            }
        // The edge really feels the black outside.
        EXPECT_LT(out.at(0, 0, 0), level);
    }
}

TEST(DespeckleTest, RaisesASpeckBetweenWhitesAsFarAsBetweenNearWhites) {
    // The speck's comparisons with 254 and with 255 neighbours agree once they are made
    // in wide integers; the flat surroundings only ever differ by that one level.
    auto speck = [](int around) {
        RgbPicture p(11, 11, std::uint8_t(around));
        p.SetGrey(5, 5, 90);
        return Despeckled(p).at(5, 5, 0);
    };
    EXPECT_GT(speck(254), 90);
    EXPECT_EQ(speck(255), speck(254));
}

TEST(DespeckleTest, AFrameGivesWhatItsWorkingBufferGives) {
    // The directions are taken downwards on the picture, not along the stored rows.
    RgbPicture in = RandomPicture(12, 9, 3);
    for (auto& b : in.bytes) b = std::uint8_t(100 + b % 8);  // low contrast, so hulling acts
    in.SetGrey(3, 4, 40);
    in.SetGrey(8, 2, 200);
    COXDIB image = ToImage(in);
    ASSERT_TRUE(DespeckleImage(image));
    const RgbPicture expected = Despeckled(in);
    EXPECT_NE(expected.bytes, in.bytes);
    EXPECT_EQ(FromImage(image).bytes, expected.bytes);

    COXDIB palette;
    palette.CreateBlank(8, 3, 3);
    EXPECT_FALSE(DespeckleImage(palette));
    EXPECT_FALSE(Despeckle(nullptr, 3, 3));
}

}  // namespace
}  // namespace quillor

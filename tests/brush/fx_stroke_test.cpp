// The FX brush: the opacity tables of the tint's gradients, and what a stroke does to the
// pixels under its stamps, each changed once at most and always from the first picture.

#include "brush/fx_stroke.h"

#include <gtest/gtest.h>

#include "support/test_brushes.h"

namespace quillor {
namespace {

FxSettings Gradient(int controlled, int from = 100, int to = 0) {
    FxSettings s;
    s.type = FxSettings::TransparencyTint;
    s.allBrush = false;
    s.controlled = controlled;
    s.from = from;
    s.to = to;
    return s;
}

TEST(FxOpacity, StraightGradientsRunTheOtherWayOnPalettePictures) {
    const FxSettings leftToRight = Gradient(FxSettings::LeftToRight);
    EXPECT_EQ(FxOpacityAt(leftToRight, 0, 0, 10, 4, true), 100);
    EXPECT_EQ(FxOpacityAt(leftToRight, 5, 0, 10, 4, true), 50);
    EXPECT_EQ(FxOpacityAt(leftToRight, 9, 0, 10, 4, true), 10);
    EXPECT_EQ(FxOpacityAt(leftToRight, 0, 0, 10, 4, false), 0);
    EXPECT_EQ(FxOpacityAt(leftToRight, 9, 0, 10, 4, false), 90);
    const FxSettings rightToLeft = Gradient(FxSettings::RightToLeft);
    EXPECT_EQ(FxOpacityAt(rightToLeft, 0, 0, 10, 4, true), 0);
    EXPECT_EQ(FxOpacityAt(rightToLeft, 9, 0, 10, 4, false), 10);
    const FxSettings down = Gradient(FxSettings::TopToBottom, 20, 80);
    EXPECT_EQ(FxOpacityAt(down, 7, 3, 10, 4, true), 20 + 3 * 60 / 4);
    EXPECT_EQ(FxOpacityAt(down, 7, 3, 10, 4, false), 80 - 3 * 60 / 4);
    const FxSettings up = Gradient(FxSettings::BottomToTop, 20, 80);
    EXPECT_EQ(FxOpacityAt(up, 0, 1, 10, 4, true), 80 - 15);
    EXPECT_EQ(FxOpacityAt(up, 0, 1, 10, 4, false), 20 + 15);
    // Thirds: the two orders of working differ where a step lands exactly.
    EXPECT_EQ(FxOpacityAt(Gradient(FxSettings::LeftToRight, 0, 100), 1, 0, 3, 1, true), 33);
}

TEST(FxOpacity, CentreOutwardsFadesWithinTheSmallerHalfSideAndBeyondIsTheEnd) {
    const FxSettings centre = Gradient(FxSettings::CentreOutwards);
    EXPECT_EQ(FxOpacityAt(centre, 5, 5, 11, 11, true), 100);
    EXPECT_EQ(FxOpacityAt(centre, 3, 5, 11, 11, true), 60);
    EXPECT_EQ(FxOpacityAt(centre, 0, 5, 11, 11, true), 0);
    EXPECT_EQ(FxOpacityAt(centre, 0, 0, 11, 11, true), 0);  // 7 from the centre, past the radius 5
    EXPECT_EQ(FxOpacityAt(centre, 3, 10, 11, 21, false), 60);  // the radius is the narrower half, 5
    EXPECT_EQ(FxOpacityAt(centre, 0, 0, 1, 1, true), 100);  // no radius: all centre
    FxSettings all;
    all.opacity = 37;
    EXPECT_EQ(FxOpacityAt(all, 3, 3, 9, 9, true), 37);
}

class FxStrokeTest : public ::testing::Test {
protected:
    void Picture(int bits, std::uint8_t value) {
        ASSERT_TRUE(image.CreateBlank(std::uint16_t(bits), 8, 6));
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 8 * bits / 8; ++x) image.Line(y)[x] = value;
        target.image = &image;
        target.mode = bits == 24 ? ColourMode::TrueColour : ColourMode::Colours256;
        target.table = &table;
        target.background = 0;
    }
    // A 3 x 3 true-colour brush of one colour.
    BrushRecord Brush(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        PaintBrush brush;
        testing::GrabCounting(brush, true, 3, 3);
        BrushRecord record = brush.Current(true);
        for (std::size_t i = 0; i < record.frames[0].size(); i += 3)
            record.frames[0][i] = r, record.frames[0][i + 1] = g, record.frames[0][i + 2] = b;
        return record;
    }
    const std::uint8_t* At(int x, int y) { return image.Line(y) + 3 * x; }

    COXDIB image;
    std::array<ColourRef, 256> table{};
    PaintTarget target;
};

TEST_F(FxStrokeTest, AFullTintWritesTheBrushAndOnePercentBarelyTouchesThePicture) {
    Picture(24, 100);
    FxSettings tint;
    tint.type = FxSettings::TransparencyTint;
    tint.opacity = 100;
    FxStroke full(image, tint);
    full.Apply(Brush(200, 10, 30), 1, 1, target);
    EXPECT_EQ(At(2, 2)[2], 200);  // red
    EXPECT_EQ(At(2, 2)[1], 10);
    EXPECT_EQ(At(2, 2)[0], 30);
    EXPECT_EQ(At(0, 0)[2], 100);  // outside the stamp

    Picture(24, 100);
    tint.opacity = 1;
    FxStroke faint(image, tint);
    faint.Apply(Brush(200, 10, 30), 1, 1, target);
    EXPECT_EQ(At(2, 2)[2], (100 * 99 + 200) / 100);
    EXPECT_EQ(At(2, 2)[1], (100 * 99 + 10) / 100);
}

TEST_F(FxStrokeTest, ASecondStampInOneStrokeChangesNothingAndTransparentPixelsAreLeft) {
    Picture(24, 0);
    FxSettings tint;
    tint.type = FxSettings::TransparencyTint;
    tint.opacity = 50;
    table[0] = MakeColour(0, 0, 0);  // the background: transparent in the brush
    BrushRecord brush = Brush(255, 255, 255);
    brush.frames[0][0] = brush.frames[0][1] = brush.frames[0][2] = 0;  // its top-left pixel
    FxStroke stroke(image, tint);
    stroke.Apply(brush, 0, 0, target);
    EXPECT_EQ(At(1, 1)[0], 127);
    EXPECT_EQ(At(0, 0)[0], 0);  // under the transparent pixel
    stroke.Apply(brush, 0, 0, target);
    stroke.Apply(brush, 1, 0, target);
    EXPECT_EQ(At(1, 1)[0], 127);  // not 191: done once
    EXPECT_EQ(At(3, 1)[0], 127);  // new ground
    FxStroke next(image, tint);   // a new stroke starts from the picture as it is now
    next.Apply(brush, 0, 0, target);
    EXPECT_EQ(At(1, 1)[0], 191);

    // Along a gradient a pixel keeps the opacity of the first stamp that reached it.
    Picture(24, 0);
    FxStroke graded(image, Gradient(FxSettings::LeftToRight));
    graded.Apply(brush, 0, 0, target);  // (1, 1) is brush column 1: 67 percent
    EXPECT_EQ(At(1, 1)[0], 170);
    graded.Apply(brush, 1, 0, target);  // now under column 0, 100 percent: left as it was
    EXPECT_EQ(At(1, 1)[0], 170);
    EXPECT_EQ(At(3, 1)[0], 86);  // new ground, under column 2: 34 percent
}

TEST_F(FxStrokeTest, SmoothingAFlatAreaChangesNothingAndAnEdgeTakesTheMeanOfFourNeighbours) {
    Picture(24, 90);
    FxStroke flat(image, FxSettings{});
    flat.Apply(Brush(255, 255, 255), 0, 0, target);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) ASSERT_EQ(At(x, y)[1], 90);

    Picture(24, 0);
    std::uint8_t* bright = image.Line(2) + 3 * 3;
    bright[0] = bright[1] = bright[2] = 200;
    FxStroke smooth(image, FxSettings{});
    smooth.Apply(Brush(255, 255, 255), 2, 1, target);  // covers (2..4, 1..3)
    EXPECT_EQ(At(3, 2)[0], 0);   // its neighbours are all black
    EXPECT_EQ(At(2, 2)[0], 50);  // one bright neighbour of four, from the first picture
    EXPECT_EQ(At(3, 1)[0], 50);
}

TEST_F(FxStrokeTest, PalettePicturesMixThroughTheirColoursAndKeepToTheirEntriesAndTheStencil) {
    Picture(8, 1);
    for (int i = 0; i < 256; ++i) image.SetColour(std::uint8_t(i), MakeColour(std::uint8_t(i), 0, 0));
    PaintBrush palette;
    testing::GrabCounting(palette, false, 2, 2);
    BrushRecord brush = palette.Current(false);
    brush.frames[0] = {201, 201, 201, 201};
    target.background = 0;
    target.isProtected = [](std::uint8_t index) { return index == 3; };
    image.Line(0)[1] = 3;
    FxSettings tint;
    tint.type = FxSettings::TransparencyTint;
    tint.opacity = 50;
    FxStroke stroke(image, tint);
    stroke.Apply(brush, 0, 0, target);
    EXPECT_EQ(image.Line(1)[0], 101);  // red (1 + 201) / 2 is entry 101
    EXPECT_EQ(image.Line(0)[1], 3);    // protected

    // A 16-colour picture never receives an entry past 15.
    Picture(8, 1);
    for (int i = 0; i < 256; ++i) image.SetColour(std::uint8_t(i), MakeColour(std::uint8_t(i * 16), 0, 0));
    target.mode = ColourMode::Colours16;
    brush.frames[0] = {15, 15, 15, 15};
    FxStroke sixteen(image, tint);
    sixteen.Apply(brush, 0, 0, target);
    EXPECT_EQ(image.Line(1)[1], 8);  // (16 + 240) / 2 = 128, entry 8
}

}  // namespace
}  // namespace quillor

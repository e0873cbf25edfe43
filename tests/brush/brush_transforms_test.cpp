// The brush transforms: where each pixel goes, what happens to the handle, the guards,
// and the previous brush that undoes each one.

#include "brush/brush_transforms.h"

#include <gtest/gtest.h>

#include "support/test_brushes.h"

namespace quillor {
namespace {

void Grab(PaintBrush& brush, bool trueColour, int width, int height, int frames = 1, int first = 0) {
    testing::GrabCounting(brush, trueColour, width, height, frames, first);
}

const std::vector<std::uint8_t>& Pixels(PaintBrush& brush, bool trueColour, int frame = 0) {
    return brush.Current(trueColour).frames[std::size_t(frame)];
}

TEST(BrushTransforms, AQuarterTurnSendsRowRColumnKToRowKColumnHMinus1MinusRAndFourComeBack) {
    PaintBrush brush;
    Grab(brush, false, 3, 2, 2);
    const BrushRecord before = brush.Current(false);
    ASSERT_TRUE(QuarterTurnBrush(brush, false, 2));
    const BrushRecord& turned = brush.Current(false);
    EXPECT_EQ(turned.width, 2);
    EXPECT_EQ(turned.height, 3);
    // Old rows {0 1 2} and {3 4 5}: the new rows read {3 0}, {4 1}, {5 2}.
    EXPECT_EQ(Pixels(brush, false), (std::vector<std::uint8_t>{3, 0, 4, 1, 5, 2}));
    EXPECT_EQ(Pixels(brush, false, 1), (std::vector<std::uint8_t>{53, 50, 54, 51, 55, 52}));
    EXPECT_EQ(turned.handleX, before.handleX);
    EXPECT_EQ(brush.Previous(false).frames, before.frames);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(QuarterTurnBrush(brush, false, 2));
    EXPECT_EQ(brush.Current(false).frames, before.frames);
    EXPECT_EQ(brush.Current(false).width, 3);

    Grab(brush, true, 2, 1);  // true colour: whole three-byte pixels turn
    ASSERT_TRUE(QuarterTurnBrush(brush, true, 1));
    EXPECT_EQ(Pixels(brush, true), (std::vector<std::uint8_t>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(brush.Current(true).height, 2);
}

TEST(BrushTransforms, FlipsMoveWholePixelsAndRestorePreviousUndoesThem) {
    PaintBrush brush;
    Grab(brush, true, 2, 2);
    const auto before = Pixels(brush, true);
    ASSERT_TRUE(FlipBrush(brush, true, true, 1));
    EXPECT_EQ(Pixels(brush, true), (std::vector<std::uint8_t>{3, 4, 5, 0, 1, 2, 9, 10, 11, 6, 7, 8}));
    brush.RestorePreviousBrush(true);
    EXPECT_EQ(Pixels(brush, true), before);
    ASSERT_TRUE(FlipBrush(brush, true, false, 1));
    EXPECT_EQ(Pixels(brush, true), (std::vector<std::uint8_t>{6, 7, 8, 9, 10, 11, 0, 1, 2, 3, 4, 5}));

    Grab(brush, false, 3, 1);
    ASSERT_TRUE(FlipBrush(brush, false, true, 1));
    EXPECT_EQ(Pixels(brush, false), (std::vector<std::uint8_t>{2, 1, 0}));
}

TEST(BrushTransforms, BorrowedFramesAreNeverChanged) {
    PaintBrush brush;
    Grab(brush, false, 3, 2);
    brush.Current(false).borrowed = true;
    const auto before = Pixels(brush, false);
    EXPECT_FALSE(QuarterTurnBrush(brush, false, 1));
    EXPECT_FALSE(FlipBrush(brush, false, true, 1));
    EXPECT_FALSE(DoubleBrush(brush, false, false, 1));
    EXPECT_EQ(Pixels(brush, false), before);
    EXPECT_EQ(brush.Current(false).width, 3);
}

TEST(BrushTransforms, EnlargeScalesTheHandleAndHalveKeepsEverySecondPixelFromTheCorner) {
    PaintBrush brush;
    Grab(brush, false, 10, 10);
    brush.Current(false).handleX = brush.Current(false).handleY = 6;
    ASSERT_TRUE(EnlargeBrush(brush, false, false, 1));
    EXPECT_EQ(brush.Current(false).width, 12);
    EXPECT_EQ(brush.Current(false).height, 12);
    EXPECT_EQ(brush.Current(false).handleX, 7);  // 6 / (10 / 12) = 7.2
    EXPECT_EQ(brush.Current(false).handleY, 7);

    Grab(brush, false, 4, 4);
    ASSERT_TRUE(HalveBrush(brush, false, false, 1));
    EXPECT_EQ(Pixels(brush, false), (std::vector<std::uint8_t>{0, 2, 8, 10}));
    ASSERT_TRUE(DoubleBrush(brush, false, false, 1));
    EXPECT_EQ(Pixels(brush, false),
              (std::vector<std::uint8_t>{0, 0, 2, 2, 0, 0, 2, 2, 8, 8, 10, 10, 8, 8, 10, 10}));
}

TEST(BrushTransforms, TheSizeGuardsAndSizesBelowOneLeaveTheBrushAlone) {
    PaintBrush brush;
    Grab(brush, false, 3, 3);
    ASSERT_TRUE(ShrinkBrush(brush, false, false, 1));
    EXPECT_EQ(brush.Current(false).width, 1);
    EXPECT_EQ(Pixels(brush, false), (std::vector<std::uint8_t>{0}));

    Grab(brush, false, 2, 5);
    EXPECT_FALSE(ShrinkBrush(brush, false, false, 1));
    Grab(brush, false, 1, 5);
    EXPECT_FALSE(HalveBrush(brush, false, false, 1));
    for (const auto& size : {std::pair{0.0, 4.0}, std::pair{4.0, 0.5}, std::pair{-3.0, 4.0}, std::pair{70000.0, 2.0}})
        EXPECT_FALSE(ResizeBrush(brush, false, size.first, size.second, true, 1)) << size.first;
    EXPECT_EQ(brush.Current(false).width, 1);
    EXPECT_EQ(brush.Current(false).height, 5);
    // Refused resizes keep no new previous brush: Restore still finds the one before.
    EXPECT_NE(brush.Previous(false).width, 1);
}

TEST(BrushTransforms, BilinearResizingBlendsTrueColourAndStaysInThePaletteOfAPaletteBrush) {
    PaintBrush brush;
    Grab(brush, true, 2, 1);
    auto& pixels = brush.Current(true).frames[0];
    pixels = {0, 0, 0, 200, 100, 50};
    ASSERT_TRUE(ResizeBrush(brush, true, 4, 1, true, 1));
    const auto& wide = Pixels(brush, true);
    ASSERT_EQ(wide.size(), 12u);
    // Between the two ends something in between appears: blended, not copied.
    bool between = false;
    for (std::size_t i = 0; i < 12; i += 3) between |= wide[i] > 0 && wide[i] < 200;
    EXPECT_TRUE(between);

    Grab(brush, false, 2, 2);
    BrushRecord& r = brush.Current(false);
    r.palette.fill(MakeColour(0, 0, 0));
    r.palette[7] = MakeColour(255, 0, 0);
    r.palette[9] = MakeColour(0, 0, 255);
    r.frames[0] = {7, 9, 9, 7};
    ASSERT_TRUE(ResizeBrush(brush, false, 5, 5, true, 1));
    for (const std::uint8_t index : Pixels(brush, false))
        EXPECT_TRUE(index == 7 || index == 9 || r.palette[index] == MakeColour(0, 0, 0)) << int(index);
}

}  // namespace
}  // namespace quillor

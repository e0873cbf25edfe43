#include "view/zoom_rules.h"

#include <gtest/gtest.h>

namespace quillor {
namespace {

constexpr MagnifySettings kTimes2{MagnifyType::Times2, 5};
constexpr MagnifySettings kTimes3{MagnifyType::Times3, 5};
constexpr MagnifySettings kVariable{MagnifyType::Variable, 5};
constexpr DibSize kLarge{1000, 800};

MagnifySettings Fixed(unsigned factor) {
    return {MagnifyType::Fixed, factor};
}

TEST(ZoomInTest, TableFactorsMultiply) {
    const double factors[] = {2, 3, 4, 8, 16, 32};
    for (int type = 0; type < 6; ++type)
        EXPECT_EQ(ZoomInResult(1.0, {MagnifyType(type), 5}, kLarge), factors[type]) << type;
    EXPECT_EQ(ZoomInResult(0.25, kTimes2, kLarge), 0.5);
    EXPECT_EQ(ZoomInResult(1.0, Fixed(7), kLarge), 7.0);
}

TEST(ZoomInTest, VariableStepsAreFineBelowOneAndWholeAbove) {
    EXPECT_DOUBLE_EQ(ZoomInResult(0.5, kVariable, kLarge), 0.5125);
    EXPECT_EQ(ZoomInResult(3.0, kVariable, kLarge), 4.0);
    EXPECT_EQ(ZoomInResult(1.0, kVariable, kLarge), 2.0);
    // A fine step that crosses 1 lands on a whole number.
    EXPECT_EQ(ZoomInResult(0.995, kVariable, kLarge), 1.0);
}

TEST(ZoomInTest, ResultsAboveOneAreWholeAndAtMostForty) {
    EXPECT_EQ(ZoomInResult(0.5, kTimes3, kLarge), 1.0);  // 1.5
    EXPECT_EQ(ZoomInResult(1.6, kTimes2, kLarge), 3.0);  // 3.2
    EXPECT_EQ(ZoomInResult(1.0, Fixed(50), kLarge), 40.0);
    EXPECT_EQ(ZoomInResult(30.0, kTimes2, kLarge), 40.0);
    EXPECT_EQ(ZoomInResult(40.0, kVariable, kLarge), 40.0);
    // Fractions at or below 1 stay as they are.
    EXPECT_EQ(ZoomInResult(0.125, kTimes2, kLarge), 0.25);
}

TEST(ZoomInTest, DraggedRectanglesTakeTheLargerRatio) {
    const DibSize picture{200, 100};
    EXPECT_EQ(ZoomInResult(1.0, kTimes2, picture, IntRect{10, 10, 60, 35}), 4.0);
    // 100 / 10 across the height beats 200 / 50 across the width.
    EXPECT_EQ(ZoomInResult(1.0, kTimes2, picture, IntRect{0, 0, 50, 10}), 10.0);
    // Dragged up and to the left.
    EXPECT_EQ(ZoomInResult(1.0, kTimes2, picture, IntRect{60, 35, 10, 10}), 4.0);
    // 4/3 truncates to 1; a tiny rectangle is capped.
    EXPECT_EQ(ZoomInResult(1.0, kTimes2, picture, IntRect{0, 0, 150, 80}), 1.0);
    EXPECT_EQ(ZoomInResult(1.0, kTimes2, picture, IntRect{5, 5, 6, 6}), 40.0);
    // No width or no height: a plain click, by the table.
    EXPECT_EQ(ZoomInResult(1.0, kTimes2, picture, IntRect{5, 5, 5, 40}), 2.0);
    EXPECT_EQ(ZoomInResult(1.0, kTimes2, picture, IntRect{5, 5, 40, 5}), 2.0);
    EXPECT_EQ(CentreOf({10, 10, 60, 35}), (IntPoint{35, 22}));
    EXPECT_EQ(CentreOf({60, 35, 10, 10}), (IntPoint{35, 22}));
}

TEST(ZoomOutTest, TableFactorsDivide) {
    EXPECT_EQ(ZoomOutResult(8.0, kTimes2, kLarge), 4.0);
    EXPECT_EQ(ZoomOutResult(1.0, {MagnifyType::Times32, 5}, kLarge), 0.03125);
    EXPECT_EQ(ZoomOutResult(3.0, kTimes3, kLarge), 1.0);
    EXPECT_DOUBLE_EQ(ZoomOutResult(1.0, kTimes3, kLarge), 1.0 / 3.0);
    EXPECT_EQ(ZoomOutResult(1.0, Fixed(5), kLarge), 0.2);
    EXPECT_EQ(ZoomOutResult(5.0, kTimes2, kLarge), 2.0);  // 2.5 truncated
}

TEST(ZoomOutTest, VariableStepsDownToTheFloor) {
    EXPECT_EQ(ZoomOutResult(3.0, kVariable, kLarge), 2.0);
    EXPECT_DOUBLE_EQ(ZoomOutResult(1.0, kVariable, kLarge), 0.9875);
    // At the smallest fine step the zoom drops to the floor, which the minimum lifts.
    EXPECT_DOUBLE_EQ(StepZoomOut(0.0125, kVariable), 0.000001);
    EXPECT_DOUBLE_EQ(StepZoomOut(0.0, kVariable), 0.000001);
    EXPECT_DOUBLE_EQ(ZoomOutResult(0.0125, kVariable, {200, 100}), 0.16);
}

TEST(ZoomOutTest, NoPictureShowsUnderSixteenPixels) {
    EXPECT_DOUBLE_EQ(ZoomOutResult(2.0, kTimes2, {10, 10}), 1.6);
    EXPECT_DOUBLE_EQ(ZoomOutResult(1.0, kTimes2, {20, 200}), 0.8);
    EXPECT_DOUBLE_EQ(ZoomOutResult(1.0, kTimes2, {200, 20}), 0.8);
    // Both sides short: the shorter one decides.
    EXPECT_DOUBLE_EQ(ZoomOutResult(1.0, kTimes2, {10, 5}), 3.2);
}

TEST(ZoomOutTest, UnzoomGivesExactlyOneWhateverTheType) {
    for (int type = 0; type < 8; ++type) {
        const MagnifySettings settings{MagnifyType(type), 5};
        EXPECT_EQ(ZoomOutResult(kUnzoomRequest, settings, {16, 16}), 1.0) << type;
        EXPECT_EQ(ZoomOutResult(kUnzoomRequest, settings, kLarge), 1.0) << type;
        EXPECT_DOUBLE_EQ(ZoomOutResult(kUnzoomRequest, settings, {10, 20}), 1.6) << type;
    }
}

TEST(ZoomPlacementTest, ThePointGoesToTheMiddleOfTheClientArea) {
    const Placement p = CentredOn({50, 20}, 4.0, {300, 200});
    EXPECT_EQ(p.zoom, 4.0);
    EXPECT_EQ(p.originX, -50);  // 50 x 4 - 150
    EXPECT_EQ(p.originY, 20);   // 20 x 4 - 100
    EXPECT_EQ(WindowToPicture(ClientCentre({300, 200}), p), (IntPoint{50, 20}));
    // An odd width halves downward; 3 x 1.6 - 50 = -45.2 truncates toward zero.
    EXPECT_EQ(CentredOn({3, 0}, 1.6, {101, 10}).originX, 45);
    EXPECT_EQ(ClientCentre({301, 201}), (IntPoint{150, 100}));
}

}  // namespace
}  // namespace quillor

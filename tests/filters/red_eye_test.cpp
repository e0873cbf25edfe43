// Red-eye reduction: which pixels its saturation and hue tests pick, what it makes of
// them, and the rectangle it keeps to.

#include "filters/red_eye.h"

#include <gtest/gtest.h>

namespace quillor {
namespace {

TEST(RedEye, TheDefaultsReduceADeepRedAndLeaveAnOrange) {
    EXPECT_TRUE(RedEyeReduces(200, 40, 60, {}));    // hue 352.5
    EXPECT_FALSE(RedEyeReduces(200, 80, 40, {}));   // hue 15
    EXPECT_FALSE(RedEyeReduces(200, 40, 40, {}));   // hue 0: the band is open at both ends
    EXPECT_FALSE(RedEyeReduces(200, 120, 130, {}));  // red dominates by 40 percent only
    EXPECT_TRUE(RedEyeReduces(200, 120, 130, {30, 50}));
    EXPECT_FALSE(RedEyeReduces(0, 0, 0, {0, 50}));
    EXPECT_FALSE(RedEyeReduces(90, 90, 90, {0, 50}));
}

TEST(RedEye, TheRangeMovesTheBandByAThirdOfItsDistanceFromFiftyRoundedTowardZero) {
    // Hue 4.9: inside the band only once it reaches past 0 (range 80: below 10 degrees).
    EXPECT_FALSE(RedEyeReduces(200, 53, 40, {50, 50}));
    EXPECT_TRUE(RedEyeReduces(200, 53, 40, {50, 80}));
    // Hue 283.5: range 0 gives -50 / 3 = -16, a band above 284, which leaves it out; a
    // band rounded down to -17 would take it.
    EXPECT_FALSE(RedEyeReduces(156, 40, 200, {50, 0}));
    EXPECT_TRUE(RedEyeReduces(156, 40, 200, {50, -4}));
}

TEST(RedEye, APickedPixelsRedBecomesTheMeanOfGreenAndBlueInsideTheRectangleOnly) {
    COXDIB image;
    ASSERT_TRUE(image.CreateBlank(24, 6, 4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            std::uint8_t* p = image.Line(y) + 3 * x;
            p[0] = 60, p[1] = 40, p[2] = 200;  // blue, green, red
        }
    ASSERT_TRUE(ReduceRedEye(image, IntRect{4, 2, 9, 9}, {}));  // reaches off the picture
    EXPECT_EQ(image.Line(2)[3 * 4 + 2], 50);
    EXPECT_EQ(image.Line(3)[3 * 5 + 2], 50);
    EXPECT_EQ(image.Line(3)[3 * 5 + 1], 40);  // green and blue stay
    EXPECT_EQ(image.Line(1)[3 * 4 + 2], 200);  // above the rectangle
    EXPECT_EQ(image.Line(2)[3 * 3 + 2], 200);  // left of it

    COXDIB palette;
    ASSERT_TRUE(palette.CreateBlank(8, 4, 4));
    EXPECT_FALSE(ReduceRedEye(palette, IntRect{0, 0, 4, 4}, {}));
}

}  // namespace
}  // namespace quillor

// What "Make New Image From Brush" takes from the brush: the current frame of the brush
// of the picture's depth, with its palette, and nothing when that brush has no frames.

#include "tools/brush_picture.h"

#include <gtest/gtest.h>

namespace quillor {
namespace {

TEST(BrushPicture, TheCurrentFrameOfTheBrushOfThatDepthWithItsPalette) {
    PaintBrush brush;
    EXPECT_FALSE(BrushPictureOf(brush, false));  // frames borrowed: none of its own

    BrushRecord& palette = brush.Current(false);
    palette.borrowed = false;
    palette.frameCount = 2;
    palette.currentFrame = 1;
    palette.width = 2;
    palette.height = 1;
    palette.frames = {{1, 2}, {3, 4}};
    palette.palette[4] = MakeColour(10, 20, 30);
    const auto picture = BrushPictureOf(brush, false);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->pixels, (std::vector<std::uint8_t>{3, 4}));
    EXPECT_EQ(picture->width, 2);
    EXPECT_FALSE(picture->trueColour);
    ASSERT_EQ(picture->palette.size(), 256u);
    EXPECT_EQ(picture->palette[4], MakeColour(10, 20, 30));

    EXPECT_FALSE(BrushPictureOf(brush, true));  // the other depth has none
    palette.borrowed = true;
    EXPECT_FALSE(BrushPictureOf(brush, false));
}

}  // namespace
}  // namespace quillor

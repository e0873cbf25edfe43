// Flips mirror every pixel of both editing depths, keep the middle of odd sizes, and
// leave the row padding and other depths alone.

#include "core/dib_flip.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "support/test_images.h"

namespace quillor {
namespace {

using testing::ShownColour;

// Widths around the eight-pixel blocks the true-colour flip swaps at a time.
constexpr int kWidths[] = {1, 2, 5, 15, 16, 17, 31, 33, 47};

void MakePicture(COXDIB& image, int bits, int width, int height) {
    if (bits == 24)
        testing::MakeGradient24(image, width, height);
    else
        testing::MakePattern8(image, width, height);
}

std::vector<std::uint8_t> Rows(const COXDIB& image) {
    return {image.GetBits(), image.GetBits() + image.GetImageBytes()};
}

TEST(DibFlip, HorizontalMirrorsEveryLineOfBothDepths) {
    for (int bits : {8, 24})
        for (int width : kWidths) {
            SCOPED_TRACE(::testing::Message() << bits << " bits, width " << width);
            COXDIB original, image;
            MakePicture(original, bits, width, 3);
            ASSERT_TRUE(original.CopyTo(image));
            ASSERT_TRUE(FlipHorizontal(image));
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < width; ++x)
                    ASSERT_EQ(ShownColour(image, x, y), ShownColour(original, width - 1 - x, y)) << x << "," << y;
        }
}

TEST(DibFlip, VerticalMirrorsEveryColumnOfBothDepths) {
    for (int bits : {8, 24})
        for (int height : {1, 2, 5, 6}) {
            SCOPED_TRACE(::testing::Message() << bits << " bits, height " << height);
            COXDIB original, image;
            MakePicture(original, bits, 7, height);
            ASSERT_TRUE(original.CopyTo(image));
            ASSERT_TRUE(FlipVertical(image));
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < 7; ++x)
                    ASSERT_EQ(ShownColour(image, x, y), ShownColour(original, x, height - 1 - y)) << x << "," << y;
        }
}

TEST(DibFlip, TwiceRestoresTheRowsAndPaddingIsNotTouched) {
    for (int bits : {8, 24}) {
        COXDIB image;
        MakePicture(image, bits, 17, 5);  // both depths pad a 17-pixel row
        // Mark the padding; a flip that swaps whole strides would move it.
        for (int row = 0; row < 5; ++row) {
            std::uint8_t* line = image.GetBits() + std::size_t(row) * image.GetStride();
            for (std::size_t k = std::size_t(17) * (bits / 8); k < image.GetStride(); ++k)
                line[k] = std::uint8_t(0xA0 + row);
        }
        const std::vector<std::uint8_t> before = Rows(image);
        ASSERT_TRUE(FlipVertical(image));
        ASSERT_TRUE(FlipHorizontal(image));
        for (int row = 0; row < 5; ++row) {
            const std::uint8_t* line = image.GetBits() + std::size_t(row) * image.GetStride();
            EXPECT_EQ(line[image.GetStride() - 1], 0xA0 + row) << bits << " bits, row " << row;
        }
        ASSERT_TRUE(FlipHorizontal(image));
        ASSERT_TRUE(FlipVertical(image));
        EXPECT_EQ(Rows(image), before) << bits << " bits";
    }
}

TEST(DibFlip, RefusesEmptyAndPackedImages) {
    COXDIB empty;
    EXPECT_FALSE(FlipHorizontal(empty));
    EXPECT_FALSE(FlipVertical(empty));
    COXDIB packed;
    ASSERT_TRUE(packed.CreateBlank(4, 6, 2));
    packed.GetBits()[0] = 0x12;
    EXPECT_FALSE(FlipHorizontal(packed));
    EXPECT_FALSE(FlipVertical(packed));
    EXPECT_EQ(packed.GetBits()[0], 0x12);
}

}  // namespace
}  // namespace quillor

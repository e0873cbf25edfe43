// Clipboard bitmaps become true-colour pictures by the clipboard's own row rules.

#include "document/clipboard_image.h"

#include <gtest/gtest.h>

namespace quillor {
namespace {

// Blue, green, red of one picture pixel.
std::array<int, 3> Pixel(const COXDIB& image, int x, int y) {
    const std::uint8_t* p = image.Line(y) + x * 3;
    return {p[0], p[1], p[2]};
}

ClipboardBitmap Words(int width, int height, bool fiveFiveFive, std::vector<std::uint16_t> words) {
    ClipboardBitmap bitmap{width, height, 16, fiveFiveFive, 0, {}};
    for (std::uint16_t w : words) {
        bitmap.bits.push_back(std::uint8_t(w));
        bitmap.bits.push_back(std::uint8_t(w >> 8));
    }
    return bitmap;
}

TEST(ClipboardImageTest, SixteenBitPixelsFollowTheDisplaysLayout) {
    COXDIB image;
    // 5-5-5: red 0x7C00, green 0x03E0, blue 0x001F; the top bit is unused.
    ASSERT_TRUE(ClipboardBitmapToDib(Words(4, 1, true, {0x7C00, 0x03E0, 0x801F, 0x4210}), image));
    EXPECT_EQ(image.GetBitCount(), 24);
    EXPECT_EQ(Pixel(image, 0, 0), (std::array<int, 3>{0, 0, 248}));
    EXPECT_EQ(Pixel(image, 1, 0), (std::array<int, 3>{0, 248, 0}));
    EXPECT_EQ(Pixel(image, 2, 0), (std::array<int, 3>{248, 0, 0}));
    EXPECT_EQ(Pixel(image, 3, 0), (std::array<int, 3>{128, 128, 128}));

    // 5-6-5: six bits of green, scaled by 4.
    ASSERT_TRUE(ClipboardBitmapToDib(Words(3, 1, false, {0xF800, 0x07E0, 0x0821}), image));
    EXPECT_EQ(Pixel(image, 0, 0), (std::array<int, 3>{0, 0, 248}));
    EXPECT_EQ(Pixel(image, 1, 0), (std::array<int, 3>{0, 252, 0}));
    EXPECT_EQ(Pixel(image, 2, 0), (std::array<int, 3>{8, 4, 8}));
}

TEST(ClipboardImageTest, TwentyFourBitRowsArePaddedToAnEvenLength) {
    ClipboardBitmap bitmap{3, 2, 24, false, 0, {}};
    for (int i = 0; i < 20; ++i) bitmap.bits.push_back(std::uint8_t(i));
    COXDIB image;
    ASSERT_TRUE(ClipboardBitmapToDib(bitmap, image));
    EXPECT_EQ(Pixel(image, 0, 0), (std::array<int, 3>{0, 1, 2}));  // copied as they are
    EXPECT_EQ(Pixel(image, 2, 0), (std::array<int, 3>{6, 7, 8}));
    EXPECT_EQ(Pixel(image, 0, 1), (std::array<int, 3>{10, 11, 12}));  // past the pad byte
    EXPECT_EQ(Pixel(image, 2, 1), (std::array<int, 3>{16, 17, 18}));
}

TEST(ClipboardImageTest, ThirtyTwoBitPixelsDropTheirFourthByteAndKeepTheTopRowOnTop) {
    ClipboardBitmap bitmap{2, 3, 32, false, 0, {}};
    for (int i = 0; i < 24; ++i) bitmap.bits.push_back(std::uint8_t(10 * i));
    COXDIB image;
    ASSERT_TRUE(ClipboardBitmapToDib(bitmap, image));
    EXPECT_EQ(image.GetSize(), (DibSize{2, 3}));
    EXPECT_EQ(Pixel(image, 0, 0), (std::array<int, 3>{0, 10, 20}));
    EXPECT_EQ(Pixel(image, 1, 0), (std::array<int, 3>{40, 50, 60}));
    EXPECT_EQ(Pixel(image, 1, 2), (std::array<int, 3>{200, 210, 220}));
    // Stored bottom-up: the clipboard's last row is the first row in memory.
    EXPECT_EQ(image.GetBits()[0], 160);
}

TEST(ClipboardImageTest, AStrideOfItsOwnIsHonoured) {
    ClipboardBitmap bitmap{1, 2, 24, false, 8, std::vector<std::uint8_t>(11, 0)};
    bitmap.bits[8] = 77;  // first byte of the second row
    COXDIB image;
    ASSERT_TRUE(ClipboardBitmapToDib(bitmap, image));
    EXPECT_EQ(Pixel(image, 0, 1)[0], 77);
}

TEST(ClipboardImageTest, OtherDepthsAndShortBitsAreRefusedWithoutTouchingThePicture) {
    COXDIB image;
    ASSERT_TRUE(image.CreateBlank(8, 5, 5));
    for (int bits : {1, 4, 8, 15, 48}) {
        const ClipboardBitmap bitmap{1, 1, bits, false, 0, std::vector<std::uint8_t>(64, 0)};
        EXPECT_FALSE(ClipboardBitmapToDib(bitmap, image)) << bits;
    }
    EXPECT_FALSE(ClipboardBitmapToDib(ClipboardBitmap{2, 2, 32, false, 0, std::vector<std::uint8_t>(15, 0)}, image));
    EXPECT_FALSE(ClipboardBitmapToDib(ClipboardBitmap{4, 1, 32, false, 8, std::vector<std::uint8_t>(64, 0)}, image));
    EXPECT_FALSE(ClipboardBitmapToDib(ClipboardBitmap{0, 1, 32, false, 0, {}}, image));
    EXPECT_EQ(image.GetBitCount(), 8);
    EXPECT_EQ(image.GetSize(), (DibSize{5, 5}));
}

}  // namespace
}  // namespace quillor

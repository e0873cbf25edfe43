#include "core/coxdib.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "support/test_images.h"

namespace quillor {
namespace {

using testing::DifferenceBetween;
using testing::MakeGradient24;
using testing::MakePattern8;
using testing::ShownColour;

TEST(CoxdibCreateTest, DepthsNormaliseToTheFourHeldDepths) {
    struct Case {
        std::uint16_t asked, held, colours;
    } cases[] = {{0, 1, 2}, {1, 1, 2}, {2, 4, 16}, {4, 4, 16}, {5, 8, 256},
                 {8, 8, 256}, {16, 24, 0}, {24, 24, 0}, {32, 24, 0}};
    for (const Case& c : cases) {
        COXDIB image;
        ASSERT_TRUE(image.CreateBlank(c.asked, 7, 3)) << c.asked;
        EXPECT_EQ(image.GetBitCount(), c.held) << c.asked;
        EXPECT_EQ(image.GetColourCount(), c.colours) << c.asked;
    }
}

TEST(CoxdibCreateTest, BlankImagesAreWhite) {
    COXDIB palette, trueColour, mono;
    ASSERT_TRUE(palette.CreateBlank(8, 5, 4));
    ASSERT_TRUE(trueColour.CreateBlank(24, 5, 4));
    ASSERT_TRUE(mono.CreateBlank(1, 5, 4));
    for (unsigned i = 0; i < 256; ++i)
        EXPECT_EQ(palette.GetTableWord(std::uint8_t(i)), DefaultColourTable()[i]);
    for (std::size_t i = 0; i < palette.GetImageBytes(); ++i) ASSERT_EQ(palette.GetBits()[i], 0);
    for (std::size_t i = 0; i < trueColour.GetImageBytes(); ++i) ASSERT_EQ(trueColour.GetBits()[i], 0xFF);
    EXPECT_EQ(ShownColour(palette, 4, 3), 0xFFFFFFu);

    // A 1-bit image has no table of its own until the caller sets one: both entries black.
    EXPECT_EQ(mono.Header()->coloursUsed, 0u);
    EXPECT_EQ(mono.GetColourCount(), 2);
    EXPECT_EQ(mono.GetTableWord(0), 0u);
    EXPECT_EQ(mono.GetTableWord(1), 0u);

    // True-colour rows begin straight after the header.
    EXPECT_EQ(trueColour.GetColourCount(), 0);
    EXPECT_EQ(trueColour.GetBits() - reinterpret_cast<const std::uint8_t*>(trueColour.Header()), 40);
}

TEST(CoxdibCreateTest, StridesPadToFourBytes) {
    COXDIB a, b, c;
    ASSERT_TRUE(a.CreateBlank(1, 1, 1));
    ASSERT_TRUE(b.CreateBlank(24, 5, 1));
    ASSERT_TRUE(c.CreateBlank(4, 9, 1));
    EXPECT_EQ(a.GetStride(), 4u);
    EXPECT_EQ(b.GetStride(), 16u);
    EXPECT_EQ(c.GetStride(), 8u);
}

TEST(CoxdibCreateTest, OutOfRangeSizesAreRefusedAndKeepTheOldImage) {
    COXDIB image;
    MakeGradient24(image, 6, 4);
    COXDIB before;
    image.CopyTo(before);
    EXPECT_FALSE(image.CreateBlank(24, 0, 10));
    EXPECT_FALSE(image.CreateBlank(24, 10, -3));
    EXPECT_FALSE(image.CreateBlank(24, 65536, 10));
    EXPECT_FALSE(image.CreateBlank(24, 65535, 65535));  // 12 GB of rows
    EXPECT_EQ(DifferenceBetween(image, before), "");
}

TEST(CoxdibTableTest, DefaultTableHasItsFixedLandmarks) {
    const auto& t = DefaultColourTable();
    EXPECT_EQ(t[0], 0xFFFFFFu);
    EXPECT_EQ(t[1], 0x000000u);
    EXPECT_EQ(t[15], 0xFFFFFFu);
    for (int i = 224; i <= 231; ++i) EXPECT_EQ(t[i], 0u) << i;
    EXPECT_EQ(t[254], 0x2B2BC7u);
    EXPECT_EQ(t[255], 0xAA0000u);
    EXPECT_EQ(t[144], 0xFF0000u);
}

TEST(CoxdibTableTest, ColoursCrossTheInterfaceRedFirst) {
    COXDIB image;
    ASSERT_TRUE(image.CreateBlank(8, 2, 2));
    image.SetColour(3, MakeColour(0x11, 0x22, 0x33));
    const std::uint8_t* entry = reinterpret_cast<const std::uint8_t*>(image.Header()) + 40 + 12;
    EXPECT_EQ(entry[0], 0x33);  // blue
    EXPECT_EQ(entry[1], 0x22);
    EXPECT_EQ(entry[2], 0x11);  // red
    EXPECT_EQ(entry[3], 0);
    EXPECT_EQ(image.GetColour(3), MakeColour(0x11, 0x22, 0x33));
    EXPECT_EQ(image.GetTableWord(3), 0x112233u);
}

TEST(CoxdibTableTest, IndicesBeyondTheTableNeverTouchThePixels) {
    COXDIB image;
    ASSERT_TRUE(image.CreateBlank(4, 8, 1));
    image.SetColour(200, MakeColour(1, 2, 3));
    EXPECT_EQ(image.GetColour(200), 0u);
    for (std::size_t i = 0; i < image.GetImageBytes(); ++i) EXPECT_EQ(image.GetBits()[i], 0);
}

TEST(CoxdibCopyTest, CopyIsDeepAndFillsTheTableToItsDepth) {
    COXDIB source;
    MakePattern8(source, 9, 5);
    source.Header()->coloursUsed = 20;  // as a file with a short table reads
    COXDIB copy;
    ASSERT_TRUE(source.CopyTo(copy));
    EXPECT_EQ(copy.GetColourCount(), 256);
    for (unsigned i = 0; i < 20; ++i) EXPECT_EQ(copy.GetTableWord(std::uint8_t(i)), source.GetTableWord(std::uint8_t(i)));
    for (unsigned i = 20; i < 256; ++i) EXPECT_EQ(copy.GetTableWord(std::uint8_t(i)), DefaultColourTable()[i]);
    copy.GetBits()[0] ^= 0xFF;
    EXPECT_NE(copy.GetBits()[0], source.GetBits()[0]);
}

TEST(CoxdibPackTest, ExpandingAndPackingRoundTrips) {
    COXDIB four;
    ASSERT_TRUE(four.CreateBlank(4, 7, 3));
    for (unsigned i = 0; i < 16; ++i) four.SetTableWord(std::uint8_t(i), 0x010101u * (i * 16));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x) {
            std::uint8_t& byte = four.Line(y)[x / 2];
            const std::uint8_t v = std::uint8_t((x + y * 5) & 15);
            byte = (x & 1) ? std::uint8_t((byte & 0xF0) | v) : std::uint8_t((byte & 0x0F) | v << 4);
        }
    COXDIB original;
    ASSERT_TRUE(four.CopyTo(original));
    ASSERT_TRUE(four.ExpandFrom4Bit());
    EXPECT_EQ(four.GetBitCount(), 8);
    EXPECT_EQ(four.Line(1)[2], (2 + 5) & 15);
    EXPECT_EQ(four.GetTableWord(20), DefaultColourTable()[20]);
    COXDIB packed;
    ASSERT_TRUE(four.PackTo4Bit(packed));
    EXPECT_EQ(DifferenceBetween(packed, original), "");

    COXDIB one;
    ASSERT_TRUE(one.CreateBlank(1, 13, 2));
    one.SetTableWord(0, 0x102030);
    one.SetTableWord(1, 0xF0E0D0);
    one.Line(0)[0] = 0xA5;
    one.Line(1)[1] = 0x18;
    ASSERT_TRUE(one.CopyTo(original));
    ASSERT_TRUE(one.ExpandFrom1Bit());
    EXPECT_EQ(one.Line(0)[0], 1);
    EXPECT_EQ(one.Line(0)[1], 0);
    EXPECT_EQ(one.Line(1)[11], 1);
    ASSERT_TRUE(one.PackTo1Bit(packed));
    EXPECT_EQ(DifferenceBetween(packed, original), "");
}

TEST(CoxdibOverlayTest, OpacityBlendsAndKeyColourStaysOut) {
    COXDIB layer, dest;
    ASSERT_TRUE(layer.CreateBlank(24, 3, 1));
    ASSERT_TRUE(dest.CreateBlank(24, 3, 1));
    std::uint8_t* l = layer.GetBits();
    std::uint8_t* d = dest.GetBits();
    std::memset(d, 100, 9);
    const std::uint8_t px[9] = {10, 20, 30, 0, 0, 0, 200, 200, 200};
    std::memcpy(l, px, 9);

    layer.OverlayOnto(dest, 3, 1, 0x000000, true, true, 100, false);
    EXPECT_EQ(d[0], 10);
    EXPECT_EQ(d[2], 30);
    EXPECT_EQ(d[3], 100);  // key colour: left alone
    EXPECT_EQ(d[6], 200);

    std::memset(d, 100, 9);
    layer.OverlayOnto(dest, 3, 1, 0x000000, false, true, 0, false);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(d[i], 100);

    layer.OverlayOnto(dest, 3, 1, 0x000000, false, true, 25, false);
    EXPECT_EQ(d[0], (100 * 75 + 10 * 25) / 100);
}

TEST(CoxdibOverlayTest, SmoothEdgesMixALonePixelEvenly) {
    COXDIB layer, dest;
    ASSERT_TRUE(layer.CreateBlank(24, 3, 3));
    ASSERT_TRUE(dest.CreateBlank(24, 3, 3));
    std::memset(layer.GetBits(), 0, layer.GetImageBytes());  // all key colour (black)
    std::memset(dest.GetBits(), 40, dest.GetImageBytes());
    std::uint8_t* centre = layer.GetBits() + layer.GetStride() + 3;
    centre[0] = 200, centre[1] = 100, centre[2] = 20;
    layer.OverlayOnto(dest, 3, 3, 0x000000, true, false, 0, true);
    const std::uint8_t* out = dest.GetBits() + dest.GetStride() + 3;
    EXPECT_EQ(out[0], (200 + 40) / 2);
    EXPECT_EQ(out[1], (100 + 40) / 2);
    EXPECT_EQ(out[2], (20 + 40) / 2);
    EXPECT_EQ(dest.GetBits()[0], 40);
}

TEST(CoxdibOverlayTest, SmoothEdgesLeaveInnerPixelsSolidAndMixEveryBorder) {
    COXDIB layer, dest;
    ASSERT_TRUE(layer.CreateBlank(24, 5, 5));
    ASSERT_TRUE(dest.CreateBlank(24, 5, 5));
    std::memset(layer.GetBits(), 0, layer.GetImageBytes());
    std::memset(dest.GetBits(), 0, dest.GetImageBytes());
    for (int row = 1; row <= 3; ++row)
        for (int x = 1; x <= 3; ++x) std::memset(layer.GetBits() + row * layer.GetStride() + x * 3, 200, 3);
    layer.OverlayOnto(dest, 5, 5, 0x000000, true, false, 0, true);
    auto at = [&](int x, int row) { return dest.GetBits()[row * dest.GetStride() + x * 3]; };
    EXPECT_EQ(at(2, 2), 200);  // inner
    EXPECT_EQ(at(1, 1), 100);
    EXPECT_EQ(at(3, 2), 100);  // right edge, mixed when the row leaves the shape
    EXPECT_EQ(at(2, 3), 100);  // top edge, mixed when the column leaves it
    EXPECT_EQ(at(0, 0), 0);
}

TEST(CoxdibFillTest, FillBytesMakesAGrey) {
    COXDIB image;
    ASSERT_TRUE(image.CreateBlank(24, 3, 2));
    image.FillBytes(0x42);
    EXPECT_EQ(ShownColour(image, 2, 1), 0x424242u);
}

}  // namespace
}  // namespace quillor

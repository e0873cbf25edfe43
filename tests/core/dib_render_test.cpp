#include "core/dib_render.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/test_images.h"

namespace quillor {
namespace {

using testing::MakeGradient24;
using testing::MakePattern8;
using testing::ShownColour;

constexpr std::uint32_t kUntouched = 0x12345678u;

struct Buffer {
    int width, height;
    std::ptrdiff_t stride;
    std::vector<std::uint32_t> pixels;
    Buffer(int w, int h, int padding = 0)
        : width(w), height(h), stride(w + padding), pixels(std::size_t(stride * h), kUntouched) {}
    std::uint32_t At(int x, int y) const { return pixels[std::size_t(y * stride + x)]; }
    IntRect Render(const COXDIB& image, double zoom, int originX, int originY) {
        return RenderDib(image, {zoom, originX, originY}, pixels.data(), width, height, stride);
    }
};

// Every destination pixel either shows the picture pixel the pointer mapping puts there,
// or, outside the returned rectangle, is left alone and is not on the picture.
void ExpectShowsMappedPixels(const COXDIB& image, double zoom, int originX, int originY, int width,
                             int height) {
    Buffer buffer(width, height, 3);
    const IntRect covered = buffer.Render(image, zoom, originX, originY);
    const DibSize size = image.GetSize();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double px = PictureCoordinateExact(x, originX, zoom);
            const double py = PictureCoordinateExact(y, originY, zoom);
            const bool onPicture =
                x >= originX && y >= originY && px < size.width && py < size.height;
            ASSERT_EQ(covered.Contains(x, y), onPicture)
                << "zoom " << zoom << " origin " << originX << "," << originY << " at " << x << ","
                << y;
            const std::uint32_t expected =
                onPicture ? OpaquePixel(ShownColour(image, int(px), int(py))) : kUntouched;
            ASSERT_EQ(buffer.At(x, y), expected) << "zoom " << zoom << " origin " << originX << ","
                                                 << originY << " at " << x << "," << y;
        }
}

TEST(DibRenderTest, OneToOneCopiesBothDepthsAndLeavesTheRestAlone) {
    COXDIB trueColour, palette;
    MakeGradient24(trueColour, 13, 7);
    MakePattern8(palette, 13, 7);
    for (const COXDIB* image : {&trueColour, &palette}) {
        Buffer buffer(20, 12);
        EXPECT_EQ(buffer.Render(*image, 1.0, 3, 2), (IntRect{3, 2, 16, 9}));
        EXPECT_EQ(buffer.At(3, 2), OpaquePixel(ShownColour(*image, 0, 0)));
        EXPECT_EQ(buffer.At(15, 8), OpaquePixel(ShownColour(*image, 12, 6)));
        EXPECT_EQ(buffer.At(2, 2), kUntouched);
        EXPECT_EQ(buffer.At(16, 8), kUntouched);
        EXPECT_EQ(buffer.At(3, 9), kUntouched);
        ExpectShowsMappedPixels(*image, 1.0, 3, 2, 20, 12);
        ExpectShowsMappedPixels(*image, 1.0, -5, -4, 6, 2);  // scrolled: only the middle
    }
}

TEST(DibRenderTest, ZoomedInPixelsAreWholeBlocks) {
    COXDIB image;
    MakeGradient24(image, 5, 4);
    Buffer buffer(12, 10);
    EXPECT_EQ(buffer.Render(image, 2.0, 1, 1), (IntRect{1, 1, 11, 9}));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) {
            EXPECT_EQ(buffer.At(1 + x, 1 + y), OpaquePixel(ShownColour(image, 0, 0)));
            EXPECT_EQ(buffer.At(9 + x, 7 + y), OpaquePixel(ShownColour(image, 4, 3)));
        }
    for (double zoom : {2.0, 3.0, 8.0, 40.0}) {
        ExpectShowsMappedPixels(image, zoom, 0, 0, 41, 33);
        ExpectShowsMappedPixels(image, zoom, -7, -3, 23, 19);
    }
}

TEST(DibRenderTest, FractionalZoomsAgreeWithThePointerMappingAtEveryEdge) {
    COXDIB trueColour, palette;
    MakeGradient24(trueColour, 37, 23);
    MakePattern8(palette, 37, 23);
    // Thirds, sixteenths and steps of the variable magnification do not add up exactly in
    // binary; the edges must still fall where the pointer mapping puts them.
    for (double zoom : {1.6, 1.0 / 3.0, 0.0625, 0.5125, 0.25, 0.1, 0.000001, 2.5, 7.0 / 3.0}) {
        ExpectShowsMappedPixels(trueColour, zoom, 0, 0, 64, 48);
        ExpectShowsMappedPixels(palette, zoom, 4, 9, 64, 48);
        ExpectShowsMappedPixels(trueColour, zoom, -11, -6, 30, 20);
    }
}

TEST(DibRenderTest, APatchLaidOverThePictureCoversExactlyItsPixels) {
    COXDIB picture, patch;
    MakeGradient24(picture, 37, 23);
    ASSERT_TRUE(patch.CreateBlank(24, 5, 4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) {
            std::uint8_t* p = patch.Line(y) + 3 * x;
            p[0] = 1, p[1] = 2, p[2] = std::uint8_t(200 + 10 * y + x);  // blue, green, red
        }
    const IntPoint at{9, 6};
    for (double zoom : {1.0, 1.6, 1.0 / 3.0, 0.5125, 2.5, 7.0 / 3.0, 4.0})
        for (IntPoint origin : {IntPoint{0, 0}, IntPoint{5, 3}, IntPoint{-17, -9}}) {
            Buffer under(64, 48), over(64, 48);
            under.Render(picture, zoom, origin.x, origin.y);
            over.Render(picture, zoom, origin.x, origin.y);
            RenderDibAt(patch, at, {zoom, origin.x, origin.y}, over.pixels.data(), 64, 48, 64);
            for (int y = 0; y < 48; ++y)
                for (int x = 0; x < 64; ++x) {
                    const double px = PictureCoordinateExact(x, origin.x, zoom);
                    const double py = PictureCoordinateExact(y, origin.y, zoom);
                    const bool inPatch = x >= origin.x && y >= origin.y && px >= at.x &&
                                         px < at.x + 5 && py >= at.y && py < at.y + 4;
                    const std::uint32_t expected =
                        inPatch ? OpaquePixel(ShownColour(patch, int(px) - at.x, int(py) - at.y))
                                : under.At(x, y);
                    ASSERT_EQ(over.At(x, y), expected)
                        << "zoom " << zoom << " origin " << origin.x << "," << origin.y << " at "
                        << x << "," << y;
                }
        }
}

TEST(DibRenderTest, SixteenPixelMinimumShowsTenPixelsInSixteen) {
    COXDIB image;
    MakeGradient24(image, 10, 10);
    Buffer buffer(16, 16);
    EXPECT_EQ(buffer.Render(image, 1.6, 0, 0), (IntRect{0, 0, 16, 16}));
    EXPECT_EQ(buffer.At(15, 15), OpaquePixel(ShownColour(image, 9, 9)));
}

TEST(DibRenderTest, PaletteImagesShowTheirOwnTable) {
    COXDIB image;
    ASSERT_TRUE(image.CreateBlank(8, 2, 1));
    image.SetTableWord(0, 0x102030);
    image.SetTableWord(7, 0xA0B0C0);
    image.Line(0)[1] = 7;
    Buffer buffer(2, 1);
    buffer.Render(image, 1.0, 0, 0);
    EXPECT_EQ(buffer.At(0, 0), 0xFF102030u);
    EXPECT_EQ(buffer.At(1, 0), 0xFFA0B0C0u);
}

TEST(DibRenderTest, NothingIsDrawnWhenThereIsNothingToShow) {
    COXDIB empty, fourBit, image;
    ASSERT_TRUE(fourBit.CreateBlank(4, 8, 8));
    MakeGradient24(image, 8, 8);
    Buffer buffer(10, 10);
    EXPECT_TRUE(buffer.Render(empty, 1.0, 0, 0).Empty());
    EXPECT_TRUE(buffer.Render(fourBit, 1.0, 0, 0).Empty());
    EXPECT_TRUE(buffer.Render(image, 0.0, 0, 0).Empty());
    EXPECT_TRUE(buffer.Render(image, -1.0, 0, 0).Empty());
    EXPECT_TRUE(buffer.Render(image, 1.0, 10, 0).Empty());  // right of the destination
    EXPECT_TRUE(buffer.Render(image, 1.0, -8, 0).Empty());  // scrolled past
    EXPECT_TRUE(buffer.Render(image, 1.0, 0, -2000000000).Empty());
    for (std::uint32_t pixel : buffer.pixels) ASSERT_EQ(pixel, kUntouched);
}

TEST(DibRenderTest, ExtremePlacementsStayInsideThePicture) {
    COXDIB image;
    MakeGradient24(image, 9, 9);
    ExpectShowsMappedPixels(image, 0.000001, -2000000000, 0, 8, 8);
    ExpectShowsMappedPixels(image, 40.0, -355, -355, 8, 8);
    ExpectShowsMappedPixels(image, 40.0, 2000000000, 0, 8, 8);
}

TEST(HatchTest, BackDiagonalLinesOnWhiteAroundTheKeptRectangle) {
    Buffer buffer(16, 12);
    const IntRect keep{4, 3, 10, 8};
    FillHatchOutside(buffer.pixels.data(), buffer.width, buffer.height, buffer.stride, keep);
    for (int y = 0; y < buffer.height; ++y)
        for (int x = 0; x < buffer.width; ++x) {
            if (keep.Contains(x, y)) {
                ASSERT_EQ(buffer.At(x, y), kUntouched) << x << "," << y;
                continue;
            }
            const bool ink = (x + y) % 8 == 7;
            ASSERT_EQ(buffer.At(x, y), ink ? kHatchInk : kHatchPaper) << x << "," << y;
        }
    // "/" lines: going down a row, the ink moves one pixel left.
    EXPECT_EQ(buffer.At(7, 0), kHatchInk);
    EXPECT_EQ(buffer.At(6, 1), kHatchInk);
    EXPECT_EQ(buffer.At(8, 1), kHatchPaper);
}

TEST(HatchTest, PiecesLineUpThroughThePhase) {
    Buffer whole(16, 16), piece(8, 8);
    FillHatchOutside(whole.pixels.data(), 16, 16, whole.stride, {});
    FillHatchOutside(piece.pixels.data(), 8, 8, piece.stride, {}, 5, 3);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) ASSERT_EQ(piece.At(x, y), whole.At(x + 5, y + 3));
}

}  // namespace
}  // namespace quillor

// Resizing one frame's image and a run of frames: nearest-neighbour positions, bilinear
// results through the frame's own rows and palette, cropping with the background, and
// refusals that leave every image exactly as it was.

#include "core/resize_frames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/resample.h"
#include "core/resize_nearest.h"
#include "support/test_images.h"

namespace quillor {
namespace {

using testing::ShownColour;

constexpr ColourRef kBackRef = MakeColour(0x12, 0x34, 0x56);
constexpr TableWord kBackWord = MakeTableWord(0x12, 0x34, 0x56);
constexpr BackgroundColour kBack{7, kBackRef};

void MakeSource(COXDIB& image, int bits, int width, int height) {
    if (bits == 24)
        testing::MakeGradient24(image, width, height);
    else
        testing::MakePattern8(image, width, height);
}

COXDIB Copy(const COXDIB& image) {
    COXDIB copy;
    EXPECT_TRUE(image.CopyTo(copy));
    return copy;
}

ResizeSettings Rescale(int w, int h, bool bilinear) { return {w, h, 0, 0, true, bilinear}; }

// Which source column (or line) each new one shows, read off a picture whose pixels name
// their own position.
std::vector<int> ShownColumns(int oldWidth, int newWidth) {
    COXDIB image;
    EXPECT_TRUE(image.CreateBlank(8, oldWidth, 1));
    for (int x = 0; x < oldWidth; ++x) image.Line(0)[x] = std::uint8_t(x);
    EXPECT_TRUE(ResizeFrameImage(image, ColourMode::Colours256, Rescale(newWidth, 1, false), kBack));
    return {image.Line(0), image.Line(0) + newWidth};
}

std::vector<int> ShownLines(int oldHeight, int newHeight) {
    COXDIB image;
    EXPECT_TRUE(image.CreateBlank(8, 1, oldHeight));
    for (int y = 0; y < oldHeight; ++y) image.Line(y)[0] = std::uint8_t(y);
    EXPECT_TRUE(ResizeFrameImage(image, ColourMode::Colours256, Rescale(1, newHeight, false), kBack));
    std::vector<int> shown;
    for (int y = 0; y < newHeight; ++y) shown.push_back(image.Line(y)[0]);
    return shown;
}

TEST(ResizeNearest, TakesTheTruncatedPositions) {
    // 3 to 7: x * 3/7 truncated; 2 to 5: y * 0.4; 10 to 4: x * 2.5.
    EXPECT_EQ(ShownColumns(3, 7), (std::vector<int>{0, 0, 0, 1, 1, 2, 2}));
    EXPECT_EQ(ShownLines(2, 5), (std::vector<int>{0, 0, 0, 1, 1}));
    EXPECT_EQ(ShownColumns(10, 4), (std::vector<int>{0, 2, 5, 7}));
    EXPECT_EQ(ShownLines(10, 4), (std::vector<int>{0, 2, 5, 7}));
}

TEST(ResizeNearest, HalvingTakesEverySecondPixelFromTheTopLeft) {
    for (int bits : {8, 24}) {
        COXDIB source;
        MakeSource(source, bits, 100, 100);
        COXDIB image = Copy(source);
        ASSERT_TRUE(ResizeFrameImage(image, ColourMode::Colours256, Rescale(50, 50, false), kBack));
        ASSERT_EQ(image.GetSize(), (DibSize{50, 50}));
        ASSERT_EQ(image.GetBitCount(), bits);
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 50; ++x)
                ASSERT_EQ(ShownColour(image, x, y), ShownColour(source, 2 * x, 2 * y)) << bits << ": " << x << "," << y;
    }
}

TEST(ResizeNearest, RefusesDifferentDepths) {
    COXDIB source, destination;
    MakeSource(source, 24, 4, 4);
    ASSERT_TRUE(destination.CreateBlank(8, 2, 2));
    EXPECT_FALSE(ResizeNearest(source, destination, kBack));
}

TEST(ResizeFrameImage, BilinearTrueColourReadsThePictureFromTheTop) {
    COXDIB source;
    MakeSource(source, 24, 9, 7);
    // The same picture as a top-down working buffer, red first.
    std::vector<std::uint8_t> buffer, expected(std::size_t(4) * 11 * 3);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x) {
            const TableWord c = ShownColour(source, x, y);
            buffer.insert(buffer.end(), {std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c)});
        }
    ASSERT_TRUE(ResampleTrueColour(buffer.data(), 9, 7, expected.data(), 4, 11, 3));

    COXDIB image = Copy(source);
    ASSERT_TRUE(ResizeFrameImage(image, ColourMode::TrueColour, Rescale(4, 11, true), kBack));
    ASSERT_EQ(image.GetSize(), (DibSize{4, 11}));
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 4; ++x) {
            const std::uint8_t* rgb = &expected[(std::size_t(y) * 4 + x) * 3];
            ASSERT_EQ(ShownColour(image, x, y), MakeTableWord(rgb[0], rgb[1], rgb[2])) << x << "," << y;
        }
}

TEST(ResizeFrameImage, BilinearPaletteFramesKeepToTheirModeAndTable) {
    // Grey entries 0-15 step by 17; from 16 on every grey exists, so any mix would find
    // an exact match there if the mode did not rule those entries out.
    COXDIB source;
    ASSERT_TRUE(source.CreateBlank(8, 6, 5));
    for (unsigned i = 0; i < 256; ++i)
        source.SetTableWord(std::uint8_t(i), i < 16 ? 0x111111u * i : 0x010101u * (i - 16));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) source.Line(y)[x] = std::uint8_t((x * 3 + y * 5) % 16);
    for (const auto& [mode, entries] : {std::pair{ColourMode::Colours16, 16}, std::pair{ColourMode::Mono, 2}}) {
        COXDIB image = Copy(source);
        ASSERT_TRUE(ResizeFrameImage(image, mode, Rescale(11, 9, true), kBack));
        bool mixed = false;
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 11; ++x) {
                ASSERT_LT(image.Line(y)[x], entries) << x << "," << y;
                mixed |= image.Line(y)[x] != 0;
            }
        EXPECT_TRUE(mixed);
        for (unsigned i = 0; i < 256; ++i)
            ASSERT_EQ(image.GetTableWord(std::uint8_t(i)), source.GetTableWord(std::uint8_t(i))) << i;
    }
}

TEST(ResizeFrameImage, CropUsesTheOffsetsAndTheBackgroundOfEachDepth) {
    for (int bits : {8, 24}) {
        COXDIB source;
        MakeSource(source, bits, 10, 8);
        COXDIB image = Copy(source);
        const ResizeSettings crop{6, 5, -2, 4, false, true};  // the filter flag plays no part
        ASSERT_TRUE(ResizeFrameImage(image, ColourMode::Colours256, crop, kBack));
        const TableWord back = bits == 24 ? kBackWord : source.GetTableWord(kBack.index);
        EXPECT_EQ(ShownColour(image, 1, 0), back);
        EXPECT_EQ(ShownColour(image, 2, 0), ShownColour(source, 0, 4));
        EXPECT_EQ(ShownColour(image, 5, 3), ShownColour(source, 3, 7));
        EXPECT_EQ(ShownColour(image, 3, 4), back);
    }
}

TEST(ResizeFrameImage, RefusalsLeaveTheImageAsItWas) {
    COXDIB source;
    MakeSource(source, 24, 5, 3);
    const std::vector<ResizeSettings> refused = {Rescale(0, 3, true),      Rescale(4, -1, false),
                                                 Rescale(65536, 3, true),  {3, 0, 0, 0, false, false},
                                                 Rescale(65535, 65535, true)};  // rows beyond 2 GiB
    for (const ResizeSettings& s : refused) {
        COXDIB image = Copy(source);
        EXPECT_FALSE(ResizeFrameImage(image, ColourMode::TrueColour, s, kBack)) << s.newWidth << "x" << s.newHeight;
        EXPECT_EQ(testing::DifferenceBetween(image, source), "");
    }
    COXDIB empty, packed;
    EXPECT_FALSE(ResizeFrameImage(empty, ColourMode::TrueColour, Rescale(2, 2, true), kBack));
    EXPECT_TRUE(empty.IsEmpty());
    ASSERT_TRUE(packed.CreateBlank(4, 8, 2));
    EXPECT_FALSE(ResizeFrameImage(packed, ColourMode::Colours16, Rescale(2, 2, true), kBack));
    EXPECT_EQ(packed.GetBitCount(), 4);
}

TEST(ResizeFrames, ResizesEveryFrameOrNone) {
    COXDIB palette, trueColour, packed;
    MakeSource(palette, 8, 6, 4);
    MakeSource(trueColour, 24, 6, 4);
    ASSERT_TRUE(packed.CreateBlank(4, 6, 4));
    const COXDIB paletteBefore = Copy(palette), trueColourBefore = Copy(trueColour);
    const ResizeSettings settings = Rescale(3, 2, false);

    COXDIB* withPacked[] = {&palette, &packed, &trueColour};
    const ColourMode threeModes[] = {ColourMode::Colours256, ColourMode::Colours16, ColourMode::TrueColour};
    EXPECT_FALSE(ResizeFrames(withPacked, threeModes, settings, kBack));
    EXPECT_EQ(testing::DifferenceBetween(palette, paletteBefore), "");
    EXPECT_EQ(testing::DifferenceBetween(trueColour, trueColourBefore), "");

    COXDIB* frames[] = {&palette, &trueColour};
    const ColourMode modes[] = {ColourMode::Colours256, ColourMode::TrueColour};
    EXPECT_FALSE(ResizeFrames(frames, std::span(modes).first(1), settings, kBack));
    ASSERT_TRUE(ResizeFrames(frames, modes, settings, kBack));
    for (const auto& [after, before] : {std::pair{&palette, &paletteBefore}, std::pair{&trueColour, &trueColourBefore}}) {
        ASSERT_EQ(after->GetSize(), (DibSize{3, 2}));
        EXPECT_EQ(after->GetBitCount(), before->GetBitCount());
        EXPECT_EQ(ShownColour(*after, 2, 1), ShownColour(*before, 4, 2));
    }
}

}  // namespace
}  // namespace quillor

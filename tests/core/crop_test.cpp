// Cutting a picture out of, or placing it into, a canvas of a new size: the offsets the
// nine anchors give, and where the old pixels and the background land for both depths.

#include "core/crop.h"

#include <gtest/gtest.h>

#include <climits>

#include "support/test_images.h"

namespace quillor {
namespace {

using testing::ShownColour;

constexpr ColourRef kBackRef = MakeColour(0x12, 0x34, 0x56);  // red, green, blue all differ
constexpr TableWord kBackWord = MakeTableWord(0x12, 0x34, 0x56);
constexpr std::uint8_t kBackIndex = 200;

void MakeSource(COXDIB& image, int bits, int width, int height) {
    if (bits == 24)
        testing::MakeGradient24(image, width, height);
    else
        testing::MakePattern8(image, width, height);
}

// Crops `source` to w x h at `offset`; a palette result keeps the source's table.
COXDIB Cropped(const COXDIB& source, int w, int h, IntPoint offset) {
    COXDIB result;
    EXPECT_TRUE(result.CreateBlank(source.GetBitCount(), w, h));
    for (unsigned i = 0; i < source.GetColourCount(); ++i)
        result.SetTableWord(std::uint8_t(i), source.GetTableWord(std::uint8_t(i)));
    EXPECT_TRUE(CropInto(source, result, offset, {kBackIndex, kBackRef}));
    return result;
}

TableWord Background(const COXDIB& image) {
    return image.GetBitCount() == 24 ? kBackWord : image.GetTableWord(kBackIndex);
}

// Every pixel is the source pixel it sits over, or the background where there is none.
void ExpectPlacedAt(const COXDIB& result, const COXDIB& source, IntPoint offset) {
    const DibSize to = result.GetSize(), from = source.GetSize();
    for (int y = 0; y < to.height; ++y)
        for (int x = 0; x < to.width; ++x) {
            const long long sx = 0LL + x + offset.x, sy = 0LL + y + offset.y;
            const bool inside = sx >= 0 && sy >= 0 && sx < from.width && sy < from.height;
            ASSERT_EQ(ShownColour(result, x, y), inside ? ShownColour(source, int(sx), int(sy)) : Background(result))
                << "pixel " << x << "," << y;
        }
}

TEST(CropAnchors, NineOffsetsHalveEachSideOnItsOwn) {
    // Old 7 x 5, new 4 x 8: 7/2 - 4/2 = 1 across, 5/2 - 8/2 = -2 down (not (5 - 8)/2 = -1),
    // 3 and -3 at the far sides.
    const DibSize from{7, 5}, to{4, 8};
    const std::pair<CropAnchor, IntPoint> expected[] = {
        {CropAnchor::TopLeft, {0, 0}},      {CropAnchor::TopCentre, {1, 0}},     {CropAnchor::TopRight, {3, 0}},
        {CropAnchor::CentreLeft, {0, -2}},  {CropAnchor::Centre, {1, -2}},       {CropAnchor::CentreRight, {3, -2}},
        {CropAnchor::BottomLeft, {0, -3}},  {CropAnchor::BottomCentre, {1, -3}}, {CropAnchor::BottomRight, {3, -3}},
    };
    for (const auto& [anchor, offset] : expected) {
        EXPECT_EQ(CropOffsetForAnchor(anchor, from, to), offset) << int(anchor);
    }
    // Each side is halved before the difference is taken: (8 - 3) / 2 would be 2.
    EXPECT_EQ(CropOffsetForAnchor(CropAnchor::Centre, {8, 8}, {3, 3}), (IntPoint{3, 3}));
}

TEST(Crop, EveryAnchorPlacesThePictureForBothDepths) {
    for (int bits : {8, 24}) {
        COXDIB source;
        MakeSource(source, bits, 7, 5);
        for (int a = 0; a <= int(CropAnchor::BottomRight); ++a)
            for (const DibSize to : {DibSize{4, 8}, DibSize{3, 2}, DibSize{11, 9}}) {
                SCOPED_TRACE(::testing::Message() << bits << " bits, anchor " << a << ", " << to.width << "x"
                                                  << to.height);
                const IntPoint offset = CropOffsetForAnchor(CropAnchor(a), source.GetSize(), to);
                ExpectPlacedAt(Cropped(source, to.width, to.height, offset), source, offset);
            }
    }
}

TEST(Crop, CentredEnlargementHasAnEvenBorderOfBackground) {
    for (int bits : {8, 24}) {
        COXDIB source;
        MakeSource(source, bits, 100, 100);
        const IntPoint offset = CropOffsetForAnchor(CropAnchor::Centre, {100, 100}, {150, 150});
        ASSERT_EQ(offset, (IntPoint{-25, -25}));
        const COXDIB result = Cropped(source, 150, 150, offset);
        const TableWord back = Background(result);
        EXPECT_EQ(ShownColour(result, 24, 24), back);
        EXPECT_EQ(ShownColour(result, 24, 80), back);
        EXPECT_EQ(ShownColour(result, 80, 125), back);
        EXPECT_EQ(ShownColour(result, 25, 25), ShownColour(source, 0, 0));
        EXPECT_EQ(ShownColour(result, 124, 124), ShownColour(source, 99, 99));
        EXPECT_EQ(ShownColour(result, 124, 25), ShownColour(source, 99, 0));
        EXPECT_EQ(ShownColour(result, 149, 149), back);
        if (bits == 24) {
            // Stored blue, green, red.
            const std::uint8_t* corner = result.Line(0);
            EXPECT_EQ(corner[0], 0x56);
            EXPECT_EQ(corner[1], 0x34);
            EXPECT_EQ(corner[2], 0x12);
        } else {
            EXPECT_EQ(result.Line(0)[0], kBackIndex);
        }
    }
}

TEST(Crop, BottomRightKeepsTheBottomRightCorner) {
    COXDIB source;
    testing::MakeGradient24(source, 100, 100);
    const IntPoint offset = CropOffsetForAnchor(CropAnchor::BottomRight, {100, 100}, {40, 40});
    ASSERT_EQ(offset, (IntPoint{60, 60}));
    const COXDIB result = Cropped(source, 40, 40, offset);
    EXPECT_EQ(ShownColour(result, 0, 0), ShownColour(source, 60, 60));
    EXPECT_EQ(ShownColour(result, 39, 39), ShownColour(source, 99, 99));
    ExpectPlacedAt(result, source, offset);
}

TEST(Crop, OffsetsFarOutsideGiveOnlyBackground) {
    COXDIB source;
    testing::MakeGradient24(source, 6, 4);
    for (const IntPoint offset : {IntPoint{INT_MAX, 0}, IntPoint{INT_MIN, INT_MIN}, IntPoint{0, INT_MAX},
                                  IntPoint{-6, 0}, IntPoint{6, 0}, IntPoint{0, 4}, IntPoint{0, -4}}) {
        ExpectPlacedAt(Cropped(source, 5, 3, offset), source, offset);
    }
    // One column of overlap on either side.
    ExpectPlacedAt(Cropped(source, 5, 3, {-4, -2}), source, {-4, -2});
    ExpectPlacedAt(Cropped(source, 5, 3, {5, 3}), source, {5, 3});
}

TEST(Crop, RefusesMismatchedDepths) {
    COXDIB source, result;
    testing::MakeGradient24(source, 4, 4);
    ASSERT_TRUE(result.CreateBlank(8, 4, 4));
    EXPECT_FALSE(CropInto(source, result, {0, 0}, {}));
}

}  // namespace
}  // namespace quillor

// The tiles of an undo step: random pictures of awkward sizes, random announced writes,
// and the picture put back byte for byte, header, table and row padding included.

#include "document/tile_snapshot.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <set>
#include <utility>
#include <vector>

namespace quillor {
namespace {

constexpr int kSide = TileSnapshot::kTileSide;

// The whole block: header, colour table and every stored row.
std::vector<std::uint8_t> BlockOf(const COXDIB& image) {
    const auto* begin = reinterpret_cast<const std::uint8_t*>(image.Header());
    return {begin, image.GetBits() + image.GetImageBytes()};
}

void FillRandomly(COXDIB& image, std::mt19937& random) {
    std::uint8_t* bits = image.GetBits();
    for (std::size_t i = 0; i < image.GetImageBytes(); ++i) bits[i] = std::uint8_t(random());
}

// Writes random bytes into the part of `rect` on the picture, as a painting tool would.
void Scribble(COXDIB& image, const IntRect& rect, std::mt19937& random) {
    const DibSize size = image.GetSize();
    const IntRect on = Intersection(rect, {0, 0, size.width, size.height});
    const int bytesPerPixel = image.GetBitCount() / 8;
    for (int y = on.top; y < on.bottom; ++y)
        for (int x = on.left * bytesPerPixel; x < on.right * bytesPerPixel; ++x)
            image.Line(y)[x] = std::uint8_t(random());
}

IntRect RandomRect(DibSize size, std::mt19937& random) {
    // Mostly small rectangles, some reaching past the picture's edges, a few huge.
    std::uniform_int_distribution<int> x(-20, size.width + 20);
    std::uniform_int_distribution<int> y(-20, size.height + 20);
    std::uniform_int_distribution<int> extent(0, random() % 8 == 0 ? 400 : 40);
    const int left = x(random);
    const int top = y(random);
    return {left, top, left + extent(random), top + extent(random)};
}

struct Shape {
    int bits;
    int width;
    int height;
};

TEST(TileSnapshot, SwappingPutsBackExactlyWhatTheAnnouncedWritesChanged) {
    // Sides one short of, equal to and just past the tile side; rows with padding.
    const Shape shapes[] = {{8, 1, 1},    {24, 1, 1},   {8, 63, 64},   {24, 64, 63},
                            {8, 65, 129}, {24, 130, 70}, {24, 201, 129}, {8, 257, 65}};
    std::mt19937 random(20240611);
    for (const Shape& shape : shapes) {
        for (int round = 0; round < 6; ++round) {
            SCOPED_TRACE(::testing::Message() << shape.bits << "-bit " << shape.width << " x "
                                              << shape.height << ", round " << round);
            COXDIB image;
            ASSERT_TRUE(image.CreateBlank(std::uint16_t(shape.bits), shape.width, shape.height));
            FillRandomly(image, random);
            const std::vector<std::uint8_t> before = BlockOf(image);

            TileSnapshot snapshot;
            snapshot.Begin(image);
            std::set<std::pair<int, int>> reached;
            const int writes = 1 + int(random() % 12);
            for (int w = 0; w < writes; ++w) {
                const IntRect rect = RandomRect(image.GetSize(), random);
                snapshot.Save(image, rect);
                Scribble(image, rect, random);
                const IntRect on = Intersection(rect, {0, 0, shape.width, shape.height});
                for (int y = on.top; y < on.bottom; ++y)
                    for (int x = on.left; x < on.right; ++x) reached.insert({x / kSide, y / kSide});
            }
            // A palette edit needs no announcement: the table is kept whole.
            if (shape.bits == 8) image.SetTableWord(7, 0x123456);
            const std::vector<std::uint8_t> after = BlockOf(image);

            EXPECT_EQ(snapshot.TileCount(), reached.size());
            ASSERT_TRUE(snapshot.SwapWith(image));
            EXPECT_TRUE(BlockOf(image) == before) << "undo";
            ASSERT_TRUE(snapshot.SwapWith(image));
            EXPECT_TRUE(BlockOf(image) == after) << "redo";
        }
    }
}

TEST(TileSnapshot, ATileIsCopiedOnceAtItsFirstWrite) {
    COXDIB image;
    ASSERT_TRUE(image.CreateBlank(24, 1000, 700));
    TileSnapshot snapshot;
    snapshot.Begin(image);
    const std::size_t empty = snapshot.BytesHeld();
    EXPECT_LT(empty, 2000u);  // the header and the tiles' bookkeeping

    const std::uint8_t blank = image.Line(10)[30];
    snapshot.Save(image, {10, 10, 11, 11});
    image.Line(10)[30] = 1;
    snapshot.Save(image, {10, 10, 11, 11});  // already kept: what it holds now is paint
    image.Line(10)[30] = 2;
    snapshot.Save(image, {5, 5, 60, 60});
    EXPECT_EQ(snapshot.TileCount(), 1u);
    // Pixels, and a few words to say where they go.
    const std::size_t tile = kSide * kSide * 3;
    EXPECT_GE(snapshot.BytesHeld() - empty, tile);
    EXPECT_LT(snapshot.BytesHeld() - empty, tile + 100);

    // The bottom-right corner tile is partial: 1000 = 15 x 64 + 40, 700 = 10 x 64 + 60;
    // its rows take the row padding with them (1000 x 3 bytes need none).
    snapshot.Save(image, {999, 699, 1200, 900});
    EXPECT_EQ(snapshot.TileCount(), 2u);
    EXPECT_GE(snapshot.BytesHeld() - empty, tile + 40 * 60 * 3);
    EXPECT_LT(snapshot.BytesHeld() - empty, tile + 40 * 60 * 3 + 200);
    ASSERT_TRUE(snapshot.SwapWith(image));
    EXPECT_EQ(image.Line(10)[30], blank);

    // Nothing on the picture, nothing kept.
    TileSnapshot outside;
    outside.Begin(image);
    outside.Save(image, {-50, -50, 0, 10});
    outside.Save(image, {1000, 0, 1100, 10});
    outside.Save(image, {20, 20, 20, 40});
    EXPECT_EQ(outside.TileCount(), 0u);
}

TEST(TileSnapshot, APictureOfAnotherShapeIsNeverWrittenInto) {
    COXDIB image;
    ASSERT_TRUE(image.CreateBlank(8, 100, 100));
    TileSnapshot snapshot;
    snapshot.Begin(image);
    snapshot.Save(image, {0, 0, 10, 10});
    image.Line(0)[0] = 9;

    COXDIB other;
    ASSERT_TRUE(other.CreateBlank(24, 100, 100));
    const std::vector<std::uint8_t> untouched = BlockOf(other);
    EXPECT_FALSE(snapshot.SwapWith(other));
    EXPECT_TRUE(BlockOf(other) == untouched);

    // A write announced on a picture that changed shape since the step began cannot be
    // kept: the step is spoilt rather than wrong.
    snapshot.Save(other, {50, 50, 60, 60});
    EXPECT_TRUE(snapshot.Spoilt());
    EXPECT_FALSE(snapshot.SwapWith(image));
    EXPECT_EQ(image.Line(0)[0], 9);
}

}  // namespace
}  // namespace quillor

// Making one thumbnail: the averaging, JPEG's scaled decoding, every depth, and the files
// that give none (locked, damaged, not a file at all).

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <random>

#include "browser_pictures.h"
#include "formats/codec/jpeg_codec.h"
#include "formats/codec/memory_raster.h"
#include "formats/codec/sealed_container.h"
#include "support/temp_dir.h"
#include "support/test_images.h"
#include "utilities/thumbnail_jpeg.h"
#include "utilities/thumbnail_maker.h"
#include "utilities/thumbnail_scaling.h"

namespace quillor {
namespace {

using testing::TempDir;

// The plain average of the pixels in [x0, x1) x [y0, y1) of a top-down BGR picture.
std::array<int, 3> BlockAverage(const std::uint8_t* pixels, int width, int x0, int x1, int y0, int y1) {
    std::array<long, 3> sum{};
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            for (int c = 0; c < 3; ++c) sum[std::size_t(c)] += pixels[(std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3 + std::size_t(c)];
    const long count = long(x1 - x0) * (y1 - y0);
    return {int((sum[0] + count / 2) / count), int((sum[1] + count / 2) / count), int((sum[2] + count / 2) / count)};
}

// Thumbnail pixel (x, y) of `size` covers the picture pixels from ceil(x * W / w) up to
// ceil((x + 1) * W / w).
int BlockStart(int i, int from, int to) { return int((std::int64_t(i) * from + to - 1) / to); }

TEST(ThumbnailScaling, EachPixelIsTheAverageOfTheBlockItCovers) {
    std::mt19937 random(7);
    const std::array<std::array<int, 4>, 4> cases{{{37, 23, 10, 7}, {64, 48, 64, 48}, {100, 3, 7, 2}, {5, 90, 1, 13}}};
    for (const auto& [w, h, tw, th] : cases) {
        std::vector<std::uint8_t> pixels(std::size_t(w) * std::size_t(h) * 3);
        for (auto& p : pixels) p = std::uint8_t(random());
        ThumbnailShrinker shrinker(w, h, {tw, th});
        for (int y = 0; y < h; ++y) shrinker.AddLine(pixels.data() + std::size_t(y) * std::size_t(w) * 3);
        ASSERT_TRUE(shrinker.Complete());
        const ThumbnailImage image = shrinker.Take();
        ASSERT_EQ(image.width, tw);
        ASSERT_EQ(image.height, th);
        for (int y = 0; y < th; ++y)
            for (int x = 0; x < tw; ++x) {
                const auto expected = BlockAverage(pixels.data(), w, BlockStart(x, w, tw), BlockStart(x + 1, w, tw),
                                                   BlockStart(y, h, th), BlockStart(y + 1, h, th));
                for (int c = 0; c < 3; ++c)
                    ASSERT_EQ(image.bgr[(std::size_t(y) * std::size_t(tw) + std::size_t(x)) * 3 + std::size_t(c)],
                              expected[std::size_t(c)])
                        << w << "x" << h << " to " << tw << "x" << th << " at " << x << "," << y;
            }
    }
}

TEST(ThumbnailScaling, SmallPicturesGrowToTheirSize) {
    const std::vector<std::uint8_t> pixels(4 * 3 * 3, 77);
    const ThumbnailImage image = ScaleToThumbnail(pixels.data(), 12, 4, 3, {40, 30});
    ASSERT_EQ(image.width, 40);
    ASSERT_EQ(image.height, 30);
    EXPECT_EQ(image.bgr, std::vector<std::uint8_t>(40 * 30 * 3, 77));
}

TEST(ThumbnailJpeg, DecodesAtTheLargestReductionThatStillCoversTheThumbnail) {
    EXPECT_EQ(JpegThumbnailScale(1920, 1080, {82, 46}), 1);
    EXPECT_EQ(JpegThumbnailScale(1000, 800, {443, 354}), 4);  // 3/8 would give only 375 across
    EXPECT_EQ(JpegThumbnailScale(100, 100, {13, 13}), 1);     // 100 / 8 rounds up to 13
    EXPECT_EQ(JpegThumbnailScale(100, 100, {14, 14}), 2);
    EXPECT_EQ(JpegThumbnailScale(400, 300, {453, 318}), 8);   // smaller than its thumbnail
}

TEST(ThumbnailJpeg, TheScaledDecodeShowsWhatTheFullDecodeShows) {
    TempDir dir;
    COXDIB picture;
    testing::MakeSmooth24(picture, 640, 480);
    testing::WritePicture(dir.File("smooth.jpg"), picture);
    const ThumbnailBox box{82.6, 89.3};
    const ThumbnailResult result = MakeThumbnail(dir.File("smooth.jpg"), box);
    ASSERT_EQ(result.state, ThumbnailState::Ready);
    EXPECT_EQ(result.imageWidth, 640);
    EXPECT_EQ(result.imageHeight, 480);
    const ThumbnailSize size = FitThumbnail(640, 480, box);
    ASSERT_EQ(result.image->width, size.width);
    ASSERT_EQ(result.image->height, size.height);

    // The same file decoded whole by the codec and averaged block by block.
    const std::vector<std::uint8_t> file = testing::ReadBytes(dir.File("smooth.jpg"));
    MemoryRaster full;
    ASSERT_TRUE(ReadJpeg(file, full));
    int worst = 0;
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) {
            const auto expected = BlockAverage(full.pixels.data(), 640, BlockStart(x, 640, size.width),
                                               BlockStart(x + 1, 640, size.width), BlockStart(y, 480, size.height),
                                               BlockStart(y + 1, 480, size.height));
            for (int c = 0; c < 3; ++c)
                worst = std::max(worst, std::abs(int(result.image->bgr[(std::size_t(y) * std::size_t(size.width) + std::size_t(x)) * 3 + std::size_t(c)]) -
                                                 expected[std::size_t(c)]));
        }
    EXPECT_LE(worst, 8);
}

TEST(ThumbnailJpeg, ACancelledDecodeGivesNothing) {
    TempDir dir;
    testing::WriteSolid(dir.File("a.jpg"), 800, 600, 10, 20, 30);
    const std::atomic<bool> cancel{true};
    EXPECT_EQ(MakeThumbnail(dir.File("a.jpg"), {80, 60}, &cancel).state, ThumbnailState::Pending);
}

TEST(ThumbnailMaker, EveryDepthAndFormatShowsItsColours) {
    TempDir dir;
    COXDIB palette;
    ASSERT_TRUE(palette.CreateBlank(8, 30, 20));
    palette.SetTableWord(5, MakeTableWord(10, 200, 30));
    std::memset(palette.GetBits(), 5, palette.GetImageBytes());
    testing::WritePicture(dir.File("indexed.bmp"), palette);
    testing::WritePicture(dir.File("indexed.tla"), palette);
    testing::WriteSolid(dir.File("plain.png"), 300, 100, 200, 100, 50);
    testing::WriteSolid(dir.File("plain.pax"), 50, 100, 0, 0, 250);
    testing::WriteSolid(dir.File("plain.TGA"), 20, 20, 1, 2, 3);

    struct Case {
        const char* name;
        int width, height;
        std::array<int, 3> bgr;
        int tolerance;
    };
    for (const Case& c : {Case{"indexed.bmp", 30, 20, {30, 200, 10}, 0}, Case{"indexed.tla", 30, 20, {30, 200, 10}, 0},
                          Case{"plain.png", 300, 100, {50, 100, 200}, 0}, Case{"plain.pax", 50, 100, {250, 0, 0}, 6},
                          Case{"plain.TGA", 20, 20, {3, 2, 1}, 0}}) {
        const ThumbnailResult result = MakeThumbnail(dir.File(c.name), {82.6, 89.3});
        ASSERT_EQ(result.state, ThumbnailState::Ready) << c.name;
        EXPECT_EQ(result.imageWidth, c.width) << c.name;
        EXPECT_EQ(result.imageHeight, c.height) << c.name;
        ASSERT_EQ(result.image->width, FitThumbnail(c.width, c.height, {82.6, 89.3}).width) << c.name;
        const std::uint8_t* middle = result.image->bgr.data() +
                                     (std::size_t(result.image->height / 2) * std::size_t(result.image->width) + std::size_t(result.image->width / 2)) * 3;
        for (int k = 0; k < 3; ++k) EXPECT_NEAR(middle[k], c.bgr[std::size_t(k)], c.tolerance) << c.name << " channel " << k;
    }
}

TEST(ThumbnailMaker, PasswordFilesAreLockedWithoutTryingAKey) {
    TempDir dir;
    testing::WriteSolid(dir.File("secret.pax"), 40, 30, 1, 2, 3, "open sesame");
    testing::WriteSolid(dir.File("secret.tla"), 40, 30, 1, 2, 3, "open sesame");
    const std::uint64_t derivations = KeyDerivationCount();
    for (const char* name : {"secret.pax", "secret.tla"}) {
        const ThumbnailResult result = MakeThumbnail(dir.File(name), {80, 80});
        EXPECT_EQ(result.state, ThumbnailState::Locked) << name;
        EXPECT_EQ(result.image, nullptr) << name;
    }
    EXPECT_EQ(KeyDerivationCount(), derivations);
}

TEST(ThumbnailMaker, WhatCannotBeReadHasNoThumbnail) {
    TempDir dir;
    testing::WriteBytes(dir.File("text.png"), {'h', 'e', 'l', 'l', 'o'});
    testing::WriteSolid(dir.File("whole.bmp"), 40, 30, 1, 2, 3);
    std::vector<std::uint8_t> cut = testing::ReadBytes(dir.File("whole.bmp"));
    cut.resize(30);  // inside the info header
    testing::WriteBytes(dir.File("cut.bmp"), cut);
    testing::WriteBytes(dir.File("empty.jpg"), {});
    testing::WriteBytes(dir.File("fake.jpg"), {0xFF, 0xD8, 0xFF, 0xE0, 0, 2});
    // A pipe would block whoever opened it until something wrote to it.
    ASSERT_EQ(::mkfifo(dir.File("pipe.bmp").c_str(), 0600), 0);
    for (const char* name : {"text.png", "cut.bmp", "empty.jpg", "fake.jpg", "pipe.bmp", "missing.bmp"}) {
        const ThumbnailResult result = MakeThumbnail(dir.File(name), {80, 80});
        EXPECT_EQ(result.state, ThumbnailState::Unreadable) << name;
        EXPECT_EQ(result.image, nullptr) << name;
    }
}

}  // namespace
}  // namespace quillor

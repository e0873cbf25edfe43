#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>

#include "filter_pictures.h"
#include "filters/blur.h"
#include "filters/median.h"
#include "filters/sharpen.h"

namespace quillor {
namespace {

using testing::FromImage;
using testing::RandomPicture;
using testing::RgbPicture;
using testing::ToImage;

// The nine values around (x, y) of one channel, edges replicated, centre at index 4.
std::array<int, 9> Neighbourhood(const RgbPicture& p, int x, int y, int c) {
    std::array<int, 9> v{};
    int i = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx < 0 || x + dx >= p.width ? x : x + dx;
            const int ny = y + dy < 0 || y + dy >= p.height ? y : y + dy;
            v[std::size_t(i++)] = p.at(nx, ny, c);
        }
    return v;
}

// Each filter written out pixel by pixel, as plainly as its rule reads.
RgbPicture Reference(const RgbPicture& in, const std::function<int(std::array<int, 9>)>& rule) {
    RgbPicture out(in.width, in.height);
    for (int y = 0; y < in.height; ++y)
        for (int x = 0; x < in.width; ++x)
            for (int c = 0; c < 3; ++c) out.at(x, y, c) = std::uint8_t(rule(Neighbourhood(in, x, y, c)));
    return out;
}

int SurroundSum(const std::array<int, 9>& v) { return v[0] + v[1] + v[2] + v[3] + v[5] + v[6] + v[7] + v[8]; }

int SharpenRule(std::array<int, 9> v, int p) {
    const double k = std::clamp(p, 0, 100) * 0.005;
    double value = v[4] - k * (SurroundSum(v) - 8 * v[4]);
    if (value < 0) value = 0;
    if (value > 255) value = 255;
    return int(value);
}

int BlurRule(std::array<int, 9> v, int p) {
    const double k = std::clamp(p, 0, 100) * 0.01;
    return int(k * (SurroundSum(v) / 8) + (1 - k) * v[4]);
}

int MedianRule(std::array<int, 9> v) {
    std::sort(v.begin(), v.end());
    return v[4];
}

RgbPicture Sharpened(RgbPicture in, int percentage) {
    RgbPicture out(in.width, in.height);
    EXPECT_TRUE(Sharpen(in.data(), out.data(), in.width, in.height, percentage));
    return out;
}

RgbPicture Blurred(RgbPicture in, int percentage) {
    RgbPicture out(in.width, in.height);
    EXPECT_TRUE(Blur(in.data(), out.data(), in.width, in.height, percentage));
    return out;
}

RgbPicture Medianed(RgbPicture in) {
    RgbPicture out(in.width, in.height);
    EXPECT_TRUE(MedianPass(in.data(), out.data(), in.width, in.height));
    return out;
}

TEST(SharpenTest, RaisesAPeakAgainstItsEdgesAndPullsTheEdgesDown) {
    RgbPicture in(3, 3, 90);
    in.SetGrey(1, 1, 100);
    const RgbPicture out = Sharpened(in, 100);
    // 100 + 0.5 x (800 - 720).
    EXPECT_EQ(out.at(1, 1, 0), 140);
    // Every other pixel's replicated neighbourhood holds the peak once: 90 - 0.5 x 10.
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            for (int c = 0; c < 3; ++c) EXPECT_EQ(out.at(x, y, c), x == 1 && y == 1 ? 140 : 85) << x << "," << y;
}

TEST(SharpenTest, LimitsItsResultAndItsPercentage) {
    RgbPicture in(3, 1, 0);
    in.SetGrey(1, 0, 200);
    // 200 + 0.5 x (1600 - 400) goes past white, and each black neighbour below black.
    const RgbPicture full = Sharpened(in, 100);
    EXPECT_EQ(full.at(1, 0, 0), 255);
    EXPECT_EQ(full.at(0, 0, 0), 0);
    EXPECT_EQ(Sharpened(in, 150).bytes, full.bytes);
    EXPECT_EQ(Sharpened(in, 0).bytes, in.bytes);
    EXPECT_EQ(Sharpened(in, -5).bytes, in.bytes);
    // 200 - 0.125 x (400 - 1600) = 350 and 0 - 0.125 x 600 = -75.
    const RgbPicture quarter = Sharpened(in, 25);
    EXPECT_EQ(quarter.at(1, 0, 1), 255);
    EXPECT_EQ(quarter.at(2, 0, 1), 0);
}

TEST(BlurTest, SpreadsAWhitePixelOverItsNeighbours) {
    RgbPicture in(5, 5, 0);
    in.SetGrey(2, 2, 255);
    const RgbPicture out = Blurred(in, 100);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            const bool neighbour = std::abs(x - 2) <= 1 && std::abs(y - 2) <= 1 && (x != 2 || y != 2);
            EXPECT_EQ(out.at(x, y, 2), neighbour ? 31 : 0) << x << "," << y;
        }
}

TEST(BlurTest, CountsReplicatedEdgePixelsAsOftenAsTheyRepeat) {
    RgbPicture in(3, 3, 0);
    in.SetGrey(0, 0, 255);
    const RgbPicture out = Blurred(in, 100);
    EXPECT_EQ(out.at(0, 0, 0), 765 / 8);  // the corner stands in for three of its neighbours
    EXPECT_EQ(out.at(1, 0, 0), 510 / 8);
    EXPECT_EQ(out.at(0, 1, 1), 510 / 8);
    EXPECT_EQ(out.at(1, 1, 2), 255 / 8);
    EXPECT_EQ(out.at(2, 2, 0), 0);
}

TEST(BlurTest, MixesAndTruncates) {
    RgbPicture in(3, 3, 91);
    in.SetGrey(1, 1, 100);
    // 0.5 x 91 + 0.5 x 100 = 95.5.
    EXPECT_EQ(Blurred(in, 50).at(1, 1, 0), 95);
    EXPECT_EQ(Blurred(in, 0).bytes, in.bytes);
    EXPECT_EQ(Blurred(in, -5).bytes, in.bytes);
    EXPECT_EQ(Blurred(in, 150).bytes, Blurred(in, 100).bytes);
}

TEST(MedianTest, RemovesAOnePixelLine) {
    RgbPicture in(5, 5, 50);
    for (int y = 0; y < 5; ++y) in.SetGrey(2, y, 200);
    EXPECT_EQ(Medianed(in).bytes, RgbPicture(5, 5, 50).bytes);
}

TEST(NeighbourhoodFiltersTest, OnePixelIsItsOwnNeighbourhood) {
    RgbPicture one(1, 1);
    one.at(0, 0, 0) = 10, one.at(0, 0, 1) = 128, one.at(0, 0, 2) = 250;
    EXPECT_EQ(Sharpened(one, 100).bytes, one.bytes);
    EXPECT_EQ(Blurred(one, 100).bytes, one.bytes);
    EXPECT_EQ(Medianed(one).bytes, one.bytes);
}

// Random pictures of awkward sizes against the plain rules: every edge, corner and
// channel of the fast row code.
TEST(NeighbourhoodFiltersTest, MatchThePlainRulesOnRandomPictures) {
    const int sizes[][2] = {{1, 5}, {5, 1}, {2, 2}, {7, 3}, {3, 7}, {33, 17}};
    unsigned seed = 1;
    for (const auto& s : sizes) {
        const RgbPicture in = RandomPicture(s[0], s[1], seed++);
        SCOPED_TRACE(::testing::Message() << s[0] << " x " << s[1]);
        for (int p : {1, 25, 37, 100}) {
            EXPECT_EQ(Sharpened(in, p).bytes, Reference(in, [p](auto v) { return SharpenRule(v, p); }).bytes) << p;
            EXPECT_EQ(Blurred(in, p).bytes, Reference(in, [p](auto v) { return BlurRule(v, p); }).bytes) << p;
        }
        EXPECT_EQ(Medianed(in).bytes, Reference(in, MedianRule).bytes);
    }
}

TEST(NeighbourhoodFiltersTest, FramesGiveWhatTheirWorkingBufferGives) {
    const RgbPicture in = RandomPicture(9, 6, 77);
    COXDIB image = ToImage(in);
    ASSERT_TRUE(SharpenImage(image, 60));
    EXPECT_EQ(FromImage(image).bytes, Sharpened(in, 60).bytes);

    image = ToImage(in);
    ASSERT_TRUE(BlurImage(image, 45));
    EXPECT_EQ(FromImage(image).bytes, Blurred(in, 45).bytes);

    image = ToImage(in);
    ASSERT_TRUE(SimplifyImage(image, 2));
    EXPECT_EQ(FromImage(image).bytes, Medianed(Medianed(in)).bytes);

    COXDIB palette;
    palette.CreateBlank(8, 4, 4);
    EXPECT_FALSE(SharpenImage(palette, 50));
    EXPECT_FALSE(BlurImage(palette, 50));
    EXPECT_FALSE(SimplifyImage(palette, 1));
}

TEST(SimplifyTest, RunsOneMedianPassPerStepOfItsFactor) {
    const RgbPicture in = RandomPicture(8, 8, 5);
    RgbPicture once = in, twice = in, none = in;
    ASSERT_TRUE(Simplify(once.data(), 8, 8, 1));
    ASSERT_TRUE(Simplify(twice.data(), 8, 8, 2));
    ASSERT_TRUE(Simplify(none.data(), 8, 8, 0));
    EXPECT_EQ(once.bytes, Medianed(in).bytes);
    EXPECT_EQ(twice.bytes, Medianed(Medianed(in)).bytes);
    EXPECT_NE(once.bytes, twice.bytes);
    EXPECT_EQ(none.bytes, in.bytes);
}

TEST(NeighbourhoodFiltersTest, RefuseMissingOrSharedBuffers) {
    RgbPicture in = RandomPicture(4, 4, 9), out(4, 4);
    EXPECT_FALSE(Sharpen(in.data(), in.data(), 4, 4, 50));
    EXPECT_FALSE(Blur(nullptr, out.data(), 4, 4, 50));
    EXPECT_FALSE(MedianPass(in.data(), nullptr, 4, 4));
    // Overlapping by one pixel is as bad as sharing.
    EXPECT_FALSE(MedianPass(in.data(), in.data() + 3, 3, 3));
    EXPECT_FALSE(Simplify(nullptr, 4, 4, 1));
}

}  // namespace
}  // namespace quillor

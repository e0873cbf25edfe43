#include "paint/spray.h"

#include <gtest/gtest.h>

#include <deque>

namespace quillor {
namespace {

// Hands out the numbers it was given, in order.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::deque<int> values) : values_(std::move(values)) {}
    int Next() override {
        EXPECT_FALSE(values_.empty()) << "more random numbers drawn than scripted";
        if (values_.empty()) return 32767;  // radius 0: always accepted, so the loop ends
        const int value = values_.front();
        values_.pop_front();
        return value;
    }
    std::size_t Left() const { return values_.size(); }

private:
    std::deque<int> values_;
};

TEST(SprayTest, EachPointDrawsItsRadiusThenItsOffsets) {
    ScriptedRandom random({
        0, 32767, 0,         // radius 10, offsets (10, -10): outside the disc, drawn again
        16384, 32767, 16384,  // radius 10 - 5 = 5, offsets (5, 0): on the rim, kept
        32767, 0, 0,         // radius 0: the centre itself
        12000, 9000, 30000,  // radius 10 - 3 = 7, offsets (3 - 7, 12 - 7)
    });
    const std::vector<IntPoint> points = SprayPoints({50, 60}, 10, 3, random);
    EXPECT_EQ(points, (std::vector<IntPoint>{{55, 60}, {50, 60}, {46, 65}}));
    EXPECT_EQ(random.Left(), 0u);
}

TEST(SprayTest, DensityIsHeldToItsRange) {
    StandardRandomSource random(7);
    EXPECT_EQ(SprayPoints({0, 0}, 5, 0, random).size(), 1u);
    EXPECT_EQ(SprayPoints({0, 0}, 5, 250, random).size(), 250u);
    EXPECT_EQ(SprayPoints({0, 0}, 5, 5000, random).size(), std::size_t(kMaxSprayDensity));
}

TEST(SprayTest, PointsStayInTheDiscAndGatherTowardsTheCentre) {
    StandardRandomSource random(20240601);
    const int radius = 30;
    int total = 0;
    int innerHalf = 0;
    for (int step = 0; step < 20; ++step) {
        for (const IntPoint& p : SprayPoints({100, 200}, radius, 999, random)) {
            const int dx = p.x - 100;
            const int dy = p.y - 200;
            ASSERT_LE(dx * dx + dy * dy, radius * radius);
            ++total;
            if (dx * dx + dy * dy <= radius * radius / 4) ++innerHalf;
        }
    }
    // Spread evenly over the disc a quarter would fall within half the radius; drawing
    // the radius first puts about three quarters there.
    const double share = double(innerHalf) / total;
    EXPECT_GT(share, 0.65);
    EXPECT_LT(share, 0.85);
}

}  // namespace
}  // namespace quillor

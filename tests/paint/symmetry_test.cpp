#include "paint/symmetry.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quillor {
namespace {

using Copies = std::vector<std::vector<IntPoint>>;

SymmetrySettings Settings(SymmetryStyle style, int points) {
    SymmetrySettings settings;
    settings.style = style;
    settings.points = points;
    settings.centreX = 100;
    settings.centreY = 100;
    return settings;
}

TEST(SymmetryTest, CyclicCopiesTurnAroundTheCentre) {
    const IntPoint dab{110, 100};
    const Copies copies = SymmetricCopies(Settings(SymmetryStyle::Cyclic, 4), std::span(&dab, 1));
    // The first copy is the dab itself; the angle is measured with x going with the sine.
    EXPECT_EQ(copies, (Copies{{{110, 100}}, {{100, 90}}, {{90, 100}}, {{100, 110}}}));
}

TEST(SymmetryTest, MirroredCopiesFollowEachCopy) {
    const IntPoint dab{110, 95};
    const Copies copies = SymmetricCopies(Settings(SymmetryStyle::MirroredCyclic, 2), std::span(&dab, 1));
    ASSERT_EQ(copies.size(), 4u);
    // Mirroring the angle mirrors across the vertical through the centre, and the half
    // turn sends the pair through the centre. Positions truncate towards the centre, so
    // a copy may land a pixel short of the exact reflection.
    EXPECT_EQ(copies[0][0], (IntPoint{110, 95}));
    EXPECT_EQ(copies[1][0], (IntPoint{91, 95}));
    EXPECT_EQ(copies[2][0], (IntPoint{90, 104}));
    EXPECT_EQ(copies[3][0], (IntPoint{109, 105}));
}

TEST(SymmetryTest, ThePointsATookKeepsMoveTogether) {
    // A line tool's pointer and its start point: every copy turns both by the same angle.
    const IntPoint points[] = {{100, 130}, {120, 100}};
    const Copies copies = SymmetricCopies(Settings(SymmetryStyle::Cyclic, 4), points);
    ASSERT_EQ(copies.size(), 4u);
    const Copies expected = {{{100, 130}, {120, 100}},
                             {{130, 100}, {100, 80}},
                             {{100, 70}, {80, 100}},
                             {{70, 100}, {100, 120}}};
    EXPECT_EQ(copies, expected);

    // No points at all would divide by zero: the action happens once, where it was.
    const Copies once = SymmetricCopies(Settings(SymmetryStyle::Cyclic, 0), points);
    EXPECT_EQ(once, (Copies{{{100, 130}, {120, 100}}}));
}

TEST(SymmetryTest, TilesRepeatElevenByElevenTimes) {
    SymmetrySettings settings = Settings(SymmetryStyle::Tile, 6);
    settings.width = 320;
    settings.height = 200;
    const IntPoint points[] = {{10, 10}, {15, 12}};
    const Copies copies = SymmetricCopies(settings, points);
    ASSERT_EQ(copies.size(), 121u);
    // i outside, j inside, each from -5.
    EXPECT_EQ(copies.front(), (std::vector<IntPoint>{{-1590, -990}, {-1585, -988}}));
    EXPECT_EQ(copies[1].front(), (IntPoint{-1590, -790}));
    EXPECT_EQ(copies[60].front(), (IntPoint{10, 10}));
    EXPECT_EQ(copies.back(), (std::vector<IntPoint>{{1610, 1010}, {1615, 1012}}));
    auto has = [&](IntPoint p) {
        return std::any_of(copies.begin(), copies.end(), [&](const auto& c) { return c.front() == p; });
    };
    EXPECT_TRUE(has({330, 10}));
    EXPECT_TRUE(has({-310, -190}));
}

}  // namespace
}  // namespace quillor
